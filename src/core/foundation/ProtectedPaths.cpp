#include "ProtectedPaths.h"

#include "ORLayout.h"

#include <QDir>

namespace sw {

namespace {
bool isInside(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}
}  // namespace

QStringList ProtectedPaths::protectedFolders()
{
    static const char *const rels[] = {"var/cache/debconf", "var/lib", "etc", "usr", "bin",
                                       "sbin", "lib", "lib64", "boot"};
    QStringList folders;
    for (const char *rel : rels)
        folders.append(QDir::cleanPath(ORLayout::rootPath(QString::fromLatin1(rel))));
    return folders;
}

bool ProtectedPaths::isProtected(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return true;
    for (const QString &folder : protectedFolders())
        if (isInside(clean, folder))
            return true;
    return false;
}

bool ProtectedPaths::isKeepFolder(const QString &path, const QStringList &keepFolders)
{
    const QString clean = QDir::cleanPath(path);
    if (clean == QDir::cleanPath(ORLayout::root()) || clean == QDir::cleanPath(ORLayout::home())
       )
        return true;
    for (const QString &folder : keepFolders)
        if (clean == QDir::cleanPath(folder))
            return true;
    return false;
}

}  // namespace sw
