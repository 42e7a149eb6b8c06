// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Packs a folder into a zip file, so that a folder can travel as one mail
// attachment. The folder's own name is the zip's top level. The walk never
// follows a symbolic link: links are stored as links; devices, FIFOs and
// sockets are left out.
class FolderZip
{
public:
    // Writes zipPath (replacing a file there); answers the error, empty on success.
    static QString pack(const QString &folder, const QString &zipPath);
};

}  // namespace sw
