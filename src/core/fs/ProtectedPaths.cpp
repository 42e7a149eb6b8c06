// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/ProtectedPaths.h"

#include "core/fs/PathInside.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>

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

// The protected folders, and their real locations where they differ.
QStringList resolveFolders()
{
    QStringList folders = ProtectedPaths::protectedFolders();
    for (qsizetype i = 0, n = folders.size(); i < n; ++i) {
        const QString real = QFileInfo(folders.at(i)).canonicalFilePath();
        if (!real.isEmpty() && real != folders.at(i))
            folders.append(real);
    }
    return folders;
}

const QStringList &resolvedFolders(Resolved &cache)
{
    const QString root = ORLayout::root();
    if (cache.root != root || !cache.foldersAge.isValid() || cache.foldersAge.elapsed() > kReuseMs) {
        cache.root = root;
        cache.folders = resolveFolders();
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

namespace {

// path (clean) is protected when it lies in one of folders, or when its
// parent, resolved by realParent, does.
template <class RealParent>
bool judge(const QString &clean, const QStringList &folders, RealParent realParent)
{
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return true;
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
    const QString &real = realParent(clean.left(slash));
    return !real.isEmpty() && insideAny(QDir::cleanPath(real + clean.mid(slash)));
}

}  // namespace

bool ProtectedPaths::isProtected(const QString &path)
{
    thread_local Resolved cache;
    const QString clean = QDir::cleanPath(path);
    if (clean.isEmpty() || clean == QLatin1String("/"))
        return true;
    return judge(clean, resolvedFolders(cache),
                 [](const QString &parent) -> const QString & { return resolvedParent(cache, parent); });
}

ProtectedPaths::Cache::Cache() : m_folders(resolveFolders()) {}

bool ProtectedPaths::Cache::isProtected(const QString &path)
{
    return judge(QDir::cleanPath(path), m_folders,
                 [this](const QString &parent) -> const QString & { return resolveFolder(parent); });
}

// A folder that is no symbolic link lies where its parent really is: one
// lstat once the parent is known, where resolving the whole path would read
// every folder on the way again (a scan asks about thousands of siblings).
const QString &ProtectedPaths::Cache::resolveFolder(const QString &folder)
{
    if (const auto it = m_realParents.constFind(folder); it != m_realParents.constEnd())
        return *it;
    const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
    struct stat st;
    QString real;
    if (slash > 0 && folder.startsWith(QLatin1Char('/')) && ::lstat(QFile::encodeName(folder).constData(), &st) == 0
        && S_ISDIR(st.st_mode)) {
        const QString parent = resolveFolder(folder.left(slash));
        if (!parent.isEmpty())
            real = (parent == QLatin1String("/") ? QString() : parent) + folder.mid(slash);
    } else {
        real = QFileInfo(folder).canonicalFilePath();
    }
    return *m_realParents.insert(folder, real);
}

// An entry X/name lies in a protected folder F when F is X/name itself or X
// lies in F (a name holds no slash). X is the folder as given and where it
// really is, each also resolved as judge() resolves a parent.
ProtectedPaths::Cache::Entries ProtectedPaths::Cache::entriesOf(const QString &folder, const QString &realFolder)
{
    QStringList bases;
    for (const QString &given : {QDir::cleanPath(folder), QDir::cleanPath(realFolder)}) {
        const QString real = QFileInfo(given).canonicalFilePath();
        for (const QString &base : {given, real})
            if (!base.isEmpty() && !bases.contains(base))
                bases.append(base);
    }
    Entries entries;
    for (const QString &base : std::as_const(bases)) {
        const QString prefix = base == QLatin1String("/") ? base : base + QLatin1Char('/');
        for (const QString &protectedFolder : std::as_const(m_folders)) {
            entries.all = entries.all || isPathInside(base, protectedFolder);
            if (protectedFolder.startsWith(prefix) && !protectedFolder.mid(prefix.size()).contains(QLatin1Char('/')))
                entries.names.append(protectedFolder.mid(prefix.size()));
        }
    }
    return entries;
}

const ProtectedPaths::Cache::Entries &ProtectedPaths::Cache::lastEntries(const QString &folder,
                                                                      const QString &realFolder)
{
    // A scan asks about the entries of one folder after another.
    if (!m_last || m_lastKey->first != folder || m_lastKey->second != realFolder) {
        const std::pair<QString, QString> key{folder, realFolder};
        auto it = m_entries.find(key);
        if (it == m_entries.end())
            it = m_entries.insert(key, entriesOf(folder, realFolder));
        m_lastKey = &it.key();
        m_last = &it.value();
    }
    return *m_last;
}

bool ProtectedPaths::Cache::isProtectedEntry(const QString &folder, const QString &realFolder, QStringView name)
{
    return lastEntries(folder, realFolder).contains(name);
}

ProtectedPaths::Cache::Entries ProtectedPaths::Cache::entries(const QString &folder, const QString &realFolder)
{
    return lastEntries(folder, realFolder);
}

}  // namespace sw
