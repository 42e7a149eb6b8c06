// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace sw {

// The file and folder choosers of the pages: the desktop's own dialog
// (through its portal where it has one, see PortalFileDialogs), as a
// window-modal sheet of window. Where Qt's own dialog serves, its path
// completion pop-up is closed with it (see the source).
class FileChooser
{
public:
    static QFileDialog *sheet(QWidget *window, const QString &title);
};

}  // namespace sw
