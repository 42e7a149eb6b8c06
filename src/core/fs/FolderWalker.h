#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace sw {

// Sums the logical sizes (lstat st_size) of everything below a folder, the
// sub-folders' own entries included, the folder itself excluded.
//
// Walks with openat/fdopendir/readdir/fstatat(AT_SYMLINK_NOFOLLOW): no path is
// built per entry and nothing is allocated per file, which keeps it on par with
// `du -s`. Links are never followed (a link counts its own st_size), a folder
// that is already on the current branch (a bind-mount loop) is not entered
// again, and whatever cannot be opened or examined counts 0. Only a bounded
// number of folder descriptors stays open; deeper levels are reopened by a
// path relative to the deepest open one.
class FolderWalker
{
public:
    // 0 for a missing path, a link or anything that is not a folder.
    static qint64 totalSize(const QString &path);
    // The names of the folder's direct children, hidden ones included,
    // unsorted; nullopt when it cannot be listed.
    static std::optional<QStringList> childNames(const QString &path);
};

}  // namespace sw
