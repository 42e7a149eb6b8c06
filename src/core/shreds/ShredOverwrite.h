#pragma once

#include "FileIdentity.h"

#include <QString>

namespace sw {

// Overwrites a file's contents once with random bytes and flushes them to
// the disk, just before the removal core unlinks it (a FolderTree::BeforeUnlink).
//
// The file is opened through its folder's descriptor without following a
// link and must be the very file that was examined (same device and inode),
// a regular file with one name only: a file with another hard link keeps its
// contents for that other name, and a name swapped meanwhile is not written
// through. Only the data extents are written, so a sparse file does not grow
// on the disk. A file the user may not write is removed without being
// overwritten. An error while writing keeps the file (the reason is
// returned): the user asked for its contents to be gone first.
//
// On SSDs and copy-on-write file systems the old blocks may survive anyway;
// the pages say so.
QString overwriteBeforeUnlink(int folderFd, const char *name, const FileIdentity &examined);

}  // namespace sw
