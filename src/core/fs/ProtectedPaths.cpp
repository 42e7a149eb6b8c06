#include "ProtectedPaths.h"

#include "ORLayout.h"
#include "PathInside.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>

namespace sw {

namespace {

// Resolving links costs a readlink per path component, and a scan asks about
// thousands of entries of the same few folders. Resolved answers are reused
// for a few milliseconds only: no longer than the gap a check and the removal
// after it leave anyway.
constexpr qint64 kReuseMs = 10;

struct Resolved
{
    QString root;
    QStringList folders;  // the protected folders, and their real locations where they differ
    QElapsedTimer foldersAge;
    QString parent;
    QString realParent;
    QElapsedTimer parentAge;
};

const QStringList &resolvedFolders(Resolved &cache)
{
    const QString root = ORLayout::root();
    if (cache.root != root || !cache.foldersAge.isValid() || cache.foldersAge.elapsed() > kReuseMs) {
        cache.root = root;
        cache.folders = ProtectedPaths::protectedFolders();
        for (qsizetype i = 0, n = cache.folders.size(); i < n; ++i) {
            const QString real = QFileInfo(cache.folders.at(i)).canonicalFilePath();
            if (!real.isEmpty() && real != cache.folders.at(i))
                cache.folders.append(real);
        }
        cache.foldersAge.start();
    }
    return cache.folders;
}

const QString &resolvedParent(Resolved &cache, const QString &parent)
{
    if (cache.parent != parent || !cache.parentAge.isValid() || cache.parentAge.elapsed() > kReuseMs) {
        cache.parent = parent;
        cache.realParent = QFileInfo(parent).canonicalFilePath();
        cache.parentAge.start();
    }
    return cache.realParent;
}

}  // namespace

QStringList ProtectedPaths::protectedFolders()
{
    static const char *const rels[] = {"var/cache/debconf", "var/lib", "etc", "usr", "bin",
                                       "sbin", "lib", "lib64", "boot"};
    QStringList folders;
    // The system's own folders stay protected when a layout root points elsewhere.
    for (const QString &root : {ORLayout::root(), QStringLiteral("/")})
        for (const char *rel : rels)
            if (const QString folder = QDir::cleanPath(root + QLatin1Char('/') + QLatin1String(rel));
                !folders.contains(folder))
                folders.append(folder);
    return folders;
}

bool ProtectedPaths::isProtected(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return true;
    thread_local Resolved cache;
    const QStringList &folders = resolvedFolders(cache);
    const auto insideAny = [&folders](const QString &p) {
        return std::any_of(folders.cbegin(), folders.cend(), [&p](const QString &f) { return isPathInside(p, f); });
    };
    if (insideAny(clean))
        return true;
    // A parent folder may be a link into a protected folder (ROOT/var/log ->
    // /etc): judge where the entry really is. The entry itself is not
    // resolved, since a link is removed as a link.
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0)
        return false;
    const QString &realParent = resolvedParent(cache, clean.left(slash));
    return !realParent.isEmpty() && insideAny(QDir::cleanPath(realParent + clean.mid(slash)));
}

}  // namespace sw
