#include "CategoryRoots.h"

#include "FolderTree.h"
#include "ORLayout.h"
#include "PathInside.h"
#include "ProtectedPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CategoryRoots", text);
}

QString realOrClean(const QString &path)
{
    const QString real = QFileInfo(path).canonicalFilePath();
    return real.isEmpty() ? QDir::cleanPath(path) : real;
}

struct UserFolder
{
    const char *key;
    const char *macName;
    const char *xdgFallback;
};

constexpr UserFolder kUserFolders[] = {
    {"DESKTOP", "Desktop", "Desktop"},   {"DOCUMENTS", "Documents", "Documents"},
    {"MUSIC", "Music", "Music"},         {"PICTURES", "Pictures", "Pictures"},
    {"VIDEOS", "Movies", "Videos"},      {"TEMPLATES", nullptr, "Templates"},
    {"PUBLICSHARE", "Public", "Public"}, {"DOWNLOAD", "Downloads", "Downloads"},
};

QString userFolderPath(const UserFolder &folder)
{
    if (ORLayout::isMacOS())
        return folder.macName ? ORLayout::homePath(QString::fromLatin1(folder.macName)) : QString();
    return ORLayout::userDir(QString::fromLatin1(folder.key), QString::fromLatin1(folder.xdgFallback));
}

// A root in a folder that others may write must be a real folder of the
// user's own: another user could have put a link or a folder there.
QString sharedParentRefusal(const QString &path)
{
    const QString parent = QFileInfo(path).path();
    struct stat parentStat;
    if (::stat(QFile::encodeName(parent).constData(), &parentStat) != 0)
        return QString();
    if (!(parentStat.st_mode & (S_IWOTH | S_ISVTX)))
        return QString();
    struct stat own;
    if (::lstat(QFile::encodeName(path).constData(), &own) != 0)
        return tr("it vanished");
    if (!S_ISDIR(own.st_mode))
        return tr("it is a link in %1, a folder others can write").arg(parent);
    if (own.st_uid != ::geteuid())
        return tr("it belongs to another user and lies in %1, a folder others can write").arg(parent);
    return QString();
}

}  // namespace

// Where the roots may not lead, resolved once for all the roots of a run:
// the layout reads user-dirs.dirs for each user folder.
struct CategoryRoots::Places
{
    QString root;
    QStringList homes;
    QList<std::pair<QString, QString>> userFolders;  // key, real path

    Places()
        : root(realOrClean(ORLayout::root()))
    {
        for (const QString &home : {ORLayout::home(), ORLayout::realHome()})
            if (const QString real = realOrClean(home); !homes.contains(real))
                homes.append(real);
        for (const UserFolder &folder : kUserFolders) {
            const QString path = userFolderPath(folder);
            if (path.isEmpty())
                continue;
            const QString real = realOrClean(path);
            // A user folder that is the home itself (a desktop kept in the
            // home) would make every folder of the home off limits.
            if (std::none_of(homes.cbegin(), homes.cend(), [&](const QString &h) { return isPathInside(h, real); }))
                userFolders.append({QLatin1String(folder.key), real});
        }
    }

    QString homeRefusal(const QString &real) const
    {
        if (real == QLatin1String("/") || real == root)
            return tr("it is the root folder");
        for (const QString &home : homes)
            if (isPathInside(home, real))
                return tr("it is the home folder or holds it (%1)").arg(home);
        if (ProtectedPaths::isProtected(real))
            return tr("it is a protected system folder");
        return QString();
    }

    QString userFolderRefusal(const QString &real, const QStringList &allowed) const
    {
        for (const auto &[key, folder] : userFolders)
            if (!allowed.contains(key) && isPathInside(real, folder))
                return tr("it is or lies in your folder %1").arg(folder);
        return QString();
    }
};

CategoryRoots::CategoryRoots(LogCategory category) : m_category(category) {}

CategoryRoots::~CategoryRoots() = default;

const CategoryRoots::Places &CategoryRoots::places()
{
    if (!m_places)
        m_places = std::make_unique<const Places>();
    return *m_places;
}

QString CategoryRoots::refusal(const AnchoredRoot &root, const UserFolderKeys &allowed)
{
    QString why = places().homeRefusal(root.realPath());
    if (why.isEmpty())
        why = places().userFolderRefusal(root.realPath(), allowed);
    if (why.isEmpty())
        why = sharedParentRefusal(root.path());
    if (why.isEmpty() && root.realPath() != root.path())
        why = sharedParentRefusal(root.realPath());
    if (why.isEmpty() && root.identity().uid != ::geteuid() && (root.identity().mode & S_IWOTH))
        why = tr("it belongs to another user and anyone can write it");
    return why;
}

const AnchoredRoot *CategoryRoots::open(const QString &folder, const UserFolderKeys &allowed)
{
    if (allowed.contains(kHomeEntries)) {
        const QString key = QDir::cleanPath(folder);
        auto known = m_isHome.constFind(key);
        if (known == m_isHome.constEnd())
            known = m_isHome.insert(key, places().homes.contains(realOrClean(key)));
        if (*known)
            return openHomeEntries(key);
    }
    return openOnce(folder, true, allowed);
}

// The home, limited to its hidden entries, and only when it is a folder of
// the user's own.
const AnchoredRoot *CategoryRoots::openHomeEntries(const QString &folder)
{
    const QString key = QDir::cleanPath(folder);
    if (const auto it = m_homes.constFind(key); it != m_homes.constEnd())
        return it->get();
    std::optional<AnchoredRoot> root = AnchoredRoot::open(key);
    std::shared_ptr<AnchoredRoot> kept;
    if (root && root->identity().uid == ::geteuid()) {
        kept = std::make_shared<AnchoredRoot>(std::move(*root));
        kept->limitToHiddenEntries();
    } else if (root) {
        qCWarning(m_category).noquote() << tr("Leaving %1 alone: %2").arg(key, tr("it belongs to another user"));
    }
    m_homes.insert(key, kept);
    return kept.get();
}

const AnchoredRoot *CategoryRoots::openChosen(const QString &folder)
{
    return openOnce(folder, false, {});
}

QString CategoryRoots::chosenItemRefusal(const QString &path, const QString &realPath)
{
    const QString clean = QDir::cleanPath(path);
    QString real = realPath;
    if (real.isEmpty()) {
        const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
        const QString parent = slash > 0 ? realOrClean(clean.left(slash)) : QString();
        real = slash < 0 ? clean : QDir::cleanPath(parent + QLatin1Char('/') + clean.mid(slash + 1));
    }
    QString why = places().homeRefusal(clean);
    if (why.isEmpty())
        why = places().homeRefusal(QDir::cleanPath(real));
    return why;
}

const AnchoredRoot *CategoryRoots::openOnce(const QString &folder, bool checked, const UserFolderKeys &allowed)
{
    auto &cache = checked ? m_roots : m_chosen;
    const QString key = QDir::cleanPath(folder);
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return it->get();
    std::optional<AnchoredRoot> root = AnchoredRoot::open(key);
    std::shared_ptr<const AnchoredRoot> kept;
    if (root) {
        const QString why = checked ? refusal(*root, allowed) : QString();
        if (why.isEmpty())
            kept = std::make_shared<const AnchoredRoot>(std::move(*root));
        else
            qCWarning(m_category).noquote() << tr("Leaving %1 alone: %2").arg(key, why);
    }
    cache.insert(key, kept);
    return kept.get();
}

QStringList CategoryRoots::names(const QString &folder, const UserFolderKeys &allowed)
{
    // The home is never listed whole, even where its hidden entries are allowed.
    const AnchoredRoot *root = openOnce(folder, true, allowed);
    return root ? FolderTree::names(root->fd()).value_or(QStringList()) : QStringList();
}

}  // namespace sw
