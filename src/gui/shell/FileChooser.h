#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace sw {

// The file and folder choosers of the pages: the desktop's own dialog
// (through its portal where it has one, see PortalFileDialogs), as a
// window-modal sheet of window. Qt's own dialog, once forced on the
// choosers, left its path completion on the page after Enter, where it
// swallowed the next click.
class FileChooser
{
public:
    static QFileDialog *sheet(QWidget *window, const QString &title);
};

}  // namespace sw
