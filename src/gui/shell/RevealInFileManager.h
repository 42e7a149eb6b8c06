// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Shows a file selected in the desktop's file manager (the FileManager1 D-Bus
// interface); without one, opens the folder that holds it.
class RevealInFileManager
{
public:
    static void reveal(const QString &path);
};

}  // namespace sw
