#include "FolderWalker.h"

#include "FolderTree.h"
#include "UniqueFd.h"

#include <QFile>

#include <fcntl.h>

namespace sw {

qint64 FolderWalker::totalSize(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const UniqueFd folder(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    return folder ? FolderTree::measure(folder.get()) : 0;
}

std::optional<QStringList> FolderWalker::childNames(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const UniqueFd folder(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK));
    return folder ? FolderTree::names(folder.get()) : std::nullopt;
}

}  // namespace sw
