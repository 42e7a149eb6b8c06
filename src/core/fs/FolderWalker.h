#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace sw {

// Path-string entry points to the folder walks, for callers that have no
// category root (ORUtility's sizes and listings).
class FolderWalker
{
public:
    // The sum of st_size of everything below a folder, sub-folders' own
    // entries included, the folder itself excluded (FolderTree::measure):
    // no link is followed, no other mount entered. 0 for a missing path, a
    // link or anything that is not a folder.
    static qint64 totalSize(const QString &path);
    // The names of the folder's direct children, hidden ones included,
    // unsorted; nullopt when it cannot be listed.
    static std::optional<QStringList> childNames(const QString &path);
};

}  // namespace sw
