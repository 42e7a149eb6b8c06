#include "ProtectedPaths.h"

#include "ORLayout.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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
    const QStringList folders = protectedFolders();
    const auto insideAny = [&folders](const QString &p) {
        return std::any_of(folders.cbegin(), folders.cend(), [&p](const QString &f) {
            const QString real = QFileInfo(f).canonicalFilePath();
            return isInside(p, f) || (!real.isEmpty() && isInside(p, real));
        });
    };
    if (insideAny(clean))
        return true;
    // A parent folder may be a link into a protected folder (ROOT/var/log ->
    // /etc): judge where the entry really is. The entry itself is not
    // resolved, since a link is removed as a link.
    const QFileInfo info(clean);
    const QString realParent = QFileInfo(info.path()).canonicalFilePath();
    return !realParent.isEmpty() && insideAny(QDir::cleanPath(realParent + QLatin1Char('/') + info.fileName()));
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
