// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/CategoryRoots.h"

#include "core/fs/FolderTree.h"
#include "core/fs/PathInside.h"
#include "core/fs/ProtectedPaths.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CategoryRoots)
};

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
        return Text::tr("it vanished");
    if (!S_ISDIR(own.st_mode))
        return Text::tr("it is a link in %1, a folder others can write").arg(parent);
    if (own.st_uid != ::geteuid())
        return Text::tr("it belongs to another user and lies in %1, a folder others can write").arg(parent);
    return QString();
}

}  // namespace

// Where the roots may not lead, resolved once for all the roots of a run:
// the layout reads user-dirs.dirs for each user folder.
struct CategoryRoots::Places
{
    QStringList homes;  // real paths
    RefusedPlaces system;
    RefusedPlaces userFolders;

    Places()
    {
        for (const QString &home : {ORLayout::home(), ORLayout::realHome()})
            if (const QString real = realOrClean(home); !homes.contains(real))
                homes.append(real);
        system = RefusedPlaces(RefusedPlaces::systemPlaces(ORLayout::root(), {ORLayout::home(), ORLayout::realHome()},
                                                           ProtectedPaths::protectedFolders()));
        QList<RefusedPlaces::Place> folders;
        for (const UserFolder &folder : kUserFolders) {
            const QString path = userFolderPath(folder);
            if (path.isEmpty())
                continue;
            // A user folder that is the home itself (a desktop kept in the
            // home) would make every folder of the home off limits.
            const QString real = realOrClean(path);
            if (std::none_of(homes.cbegin(), homes.cend(), [&](const QString &h) { return isPathInside(h, real); }))
                folders.append({real, RefusedPlaces::Kind::UserFolder, QLatin1String(folder.key)});
        }
        userFolders = RefusedPlaces(folders);
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
    std::optional<RefusedPlaces::Match> match = places().system.matchFolder(root.fd());
    if (!match)
        match = places().userFolders.matchFolder(root.fd(), allowed);
    QString why = match ? RefusedPlaces::reason(*match) : QString();
    if (why.isEmpty())
        why = sharedParentRefusal(root.path());
    if (why.isEmpty() && root.realPath() != root.path())
        why = sharedParentRefusal(root.realPath());
    if (why.isEmpty() && root.identity().uid != ::geteuid() && (root.identity().mode & S_IWOTH))
        why = Text::tr("it belongs to another user and anyone can write it");
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
        qCWarning(m_category).noquote() << Text::tr("Leaving %1 alone: %2").arg(key, Text::tr("it belongs to another user"));
    }
    m_homes.insert(key, kept);
    return kept.get();
}

const AnchoredRoot *CategoryRoots::openChosen(const QString &folder)
{
    return openOnce(folder, false, {});
}

QString CategoryRoots::chosenItemRefusal(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(QLatin1Char('/')))
        return Text::tr("not an absolute path");
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    const std::optional<AnchoredRoot> folder = AnchoredRoot::open(slash > 0 ? clean.left(slash) : QStringLiteral("/"));
    if (!folder)
        return QString();  // nothing there to refuse: the removal says what is missing
    if (clean == QLatin1String("/"))
        return RefusedPlaces::reason(places().system.matchFolder(folder->fd()).value_or(
            RefusedPlaces::Match{{clean, RefusedPlaces::Kind::Root, {}}, RefusedPlaces::Relation::Is}));
    const std::optional<RefusedPlaces::Match> match =
        places().system.matchEntry(folder->fd(), QFile::encodeName(clean.mid(slash + 1)).constData());
    return match ? RefusedPlaces::reason(*match) : QString();
}

const RefusedPlaces &CategoryRoots::refusedPlaces()
{
    return places().system;
}

const AnchoredRoot *CategoryRoots::openOnce(const QString &folder, bool checked, const UserFolderKeys &allowed)
{
    // A scan asks for the root of one listing entry after entry.
    if (checked && m_lastRoot && folder == m_lastFolder)
        return m_lastRoot;
    auto &cache = checked ? m_roots : m_chosen;
    const QString key = QDir::cleanPath(folder);
    if (const auto it = cache.constFind(key); it != cache.constEnd()) {
        if (checked && *it) {
            m_lastFolder = folder;
            m_lastRoot = it->get();
        }
        return it->get();
    }
    std::optional<AnchoredRoot> root = AnchoredRoot::open(key);
    std::shared_ptr<const AnchoredRoot> kept;
    if (root) {
        const QString why = checked ? refusal(*root, allowed) : QString();
        if (why.isEmpty())
            kept = std::make_shared<const AnchoredRoot>(std::move(*root));
        else
            qCWarning(m_category).noquote() << Text::tr("Leaving %1 alone: %2").arg(key, why);
    }
    cache.insert(key, kept);
    return kept.get();
}

const AnchoredRoot *CategoryRoots::openListed(const QString &folder, const UserFolderKeys &allowed)
{
    return openOnce(folder, true, allowed);
}

QStringList CategoryRoots::names(const QString &folder, const UserFolderKeys &allowed)
{
    const AnchoredRoot *root = openListed(folder, allowed);
    return root ? FolderTree::names(root->fd()).value_or(QStringList()) : QStringList();
}

}  // namespace sw
