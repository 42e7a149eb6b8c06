// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"
#include "core/fs/FolderTree.h"

namespace sw {

// Overwrites a file's contents once with random bytes and flushes them to
// the disk, once the file is certain to go: it is a FolderTree::BeforeUnlink
// hook of the removal core.
//
// The file is first renamed, within its folder and through the folder's
// descriptor, to a hidden name nobody uses (renameat2 RENAME_NOREPLACE).
// Renaming needs exactly the rights unlinking needs, and fails where an
// unlink would (another user's file in a sticky folder, a folder the user
// may not write, an append-only or immutable one), so a file that would
// stay is never written to: the reason is returned and the file is left as
// it was. The renamed file is opened by its new name without following a
// link and must be the very file that was examined (same device and inode),
// a regular file with one name only: a file with another hard link keeps its
// contents for that other name. Only the data extents are written, so a
// sparse file does not grow on the disk. A file the user may not write goes
// without being overwritten. An error while writing puts the file back
// under its own name (the reason says where it is when that fails) and
// keeps it: the user asked for its contents to be gone first.
//
// On SSDs and copy-on-write file systems the old blocks may survive anyway;
// the pages say so.
FolderTree::Unlinkable overwriteBeforeUnlink(int folderFd, const char *name, const FileIdentity &examined);

}  // namespace sw
