// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/CategoryRoots.h"
#include "core/fs/FileIdentity.h"

#include <QString>

namespace sw {

// A folder this program made for one extraction (a staging folder, a
// temporary folder, a destination the command line made), removed with
// everything in it when the extraction came to nothing. The removal goes
// through the removal core with the folder itself as the root, so nothing
// inside is followed out of it, whatever the archive put there.
class OwnFolder
{
public:
    // True when the folder is gone (or was never there).
    static bool remove(const QString &path);
    // Removes the folder with everything in it only while it is the one
    // made (same device and inode as madeAs): reached without following a
    // link from its parent, so a link put in its place is not followed.
    static bool remove(const QString &path, const FileIdentity &madeAs);

    // What a removal below a folder the user picked may lie in: any of the
    // user's own folders, since the user chose where to extract.
    static const CategoryRoots::UserFolderKeys &anyUserFolder();
};

} // namespace sw
