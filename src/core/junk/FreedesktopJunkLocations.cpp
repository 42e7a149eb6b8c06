// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/FreedesktopJunkLocations.h"

#include "core/foundation/ORUtility.h"
#include "core/junk/JunkOwners.h"
#include "core/junk/ORJunkCategory.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sw {

namespace {

QString flatpakApps()
{
    return ORLayout::homePath(QStringLiteral(".var/app"));
}

// A program of the system lies below the root; one in the home (an
// AppImage, a home application) is the home's own, wherever the root is.
bool existsBelowRoot(const QString &absolute)
{
    const QString home = QDir::cleanPath(ORLayout::home()) + QLatin1Char('/');
    if (QDir::cleanPath(absolute).startsWith(home))
        return QFileInfo::exists(absolute);
    return QFileInfo::exists(ORLayout::rootPath(absolute));
}

bool programExists(const QString &program)
{
    if (program.isEmpty())
        return true;  // nothing to look for: not ours to judge
    if (program.startsWith(QLatin1Char('/')))
        return existsBelowRoot(program);
    const QStringList path = qEnvironmentVariable("PATH", QStringLiteral("/usr/local/bin:/usr/bin:/bin"))
                                 .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &dir : path)
        if (dir.startsWith(QLatin1Char('/')) && existsBelowRoot(dir + QLatin1Char('/') + program))
            return true;
    return false;
}

}  // namespace

JunkCandidates FreedesktopJunkLocations::appJunk(CategoryRoots &roots)
{
    JunkCandidates out;
    const QString cache = ORLayout::cacheHome();
    for (const JunkCandidate &c : listEntries(roots, cache, true, false)) {
        // Our own cache folder is in use while we run.
        const QString name = c.path.section(QLatin1Char('/'), -1);
        if (name != QLatin1String(kAppId) && name != QLatin1String(kAppName))
            out.append(c);
    }
    for (const QString &app : ORUtility::contentsOfFolder(flatpakApps())) {
        if (app == QLatin1String(kAppId))
            continue;
        const qsizetype first = out.size();
        appendListing(out, roots, flatpakApps() + QLatin1Char('/') + app + QStringLiteral("/cache"), true);
        if (out.size() > first)
            setOwner(out, first, JunkOwners::flatpakApp(app));
    }
    return out;
}

bool FreedesktopJunkLocations::isOrphanDesktopEntry(const QString &desktopFile)
{
    const std::optional<DesktopEntry> entry = DesktopEntry::load(desktopFile);
    if (!entry || entry->exec().isEmpty())
        return false;
    return !programExists(entry->program());
}

QStringList FreedesktopJunkLocations::flatpakInstallations()
{
    QStringList installations{ORLayout::dataHome() + QStringLiteral("/flatpak"),
                              ORLayout::rootPath(QStringLiteral("var/lib/flatpak"))};
    const QString confs = ORLayout::rootPath(QStringLiteral("etc/flatpak/installations.d"));
    for (const QString &name : ORUtility::contentsOfFolder(confs)) {
        if (!name.endsWith(QLatin1String(".conf")))
            continue;
        // [Installation "extra"] groups with Path=/opt/flatpak lines.
        QFile conf(confs + QLatin1Char('/') + name);
        if (!conf.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!conf.atEnd()) {
            const QString line = QString::fromUtf8(conf.readLine(4096)).trimmed();
            if (line.startsWith(QLatin1String("Path="))) {
                const QString path = line.mid(5).trimmed();
                if (path.startsWith(QLatin1Char('/')))
                    installations.append(ORLayout::rootPath(path));
            }
        }
    }
    return installations;
}

bool FreedesktopJunkLocations::isInstalledFlatpak(const QString &appId)
{
    if (appId.isEmpty() || appId.contains(QLatin1Char('/')) || appId.startsWith(QLatin1Char('.')))
        return false;
    const QStringList installations = flatpakInstallations();
    return std::any_of(installations.cbegin(), installations.cend(), [&appId](const QString &installation) {
        return QFileInfo::exists(installation + QStringLiteral("/app/") + appId);
    });
}

JunkCandidates FreedesktopJunkLocations::leftovers(CategoryRoots &roots)
{
    JunkCandidates out;
    for (const QString &folder : {ORLayout::dataHome() + QStringLiteral("/applications"),
                                  ORLayout::configHome() + QStringLiteral("/autostart")}) {
        for (const JunkCandidate &c : listEntries(roots, folder, true, false)) {
            const QString name = c.path.section(QLatin1Char('/'), -1);
            if (name.endsWith(QLatin1String(".desktop")) && !name.contains(QLatin1String(kAppId))
                && isOrphanDesktopEntry(c.path))
                out.append(c);
        }
    }
    for (const JunkCandidate &c : listEntries(roots, flatpakApps(), true, false)) {
        const QString app = c.path.section(QLatin1Char('/'), -1);
        if (app != QLatin1String(kAppId) && !isInstalledFlatpak(app))
            out.append(c);
    }
    return out;
}

JunkCandidates FreedesktopJunkLocations::sysCaches(CategoryRoots &roots)
{
    JunkCandidates out;
    for (const QString &folder : ORUtility::sysCacheDirectory())
        appendListing(out, roots, folder, false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::sysLogs(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, ORLayout::rootPath(QStringLiteral("var/log")), false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::mailJunk(CategoryRoots &roots)
{
    // Mail and browser programs keep opened attachments here. Others can
    // write /tmp: CategoryRoots takes the folder only when it is our own.
    JunkCandidates out;
    appendListing(out, roots,
                  ORLayout::rootPath(QStringLiteral("tmp/mozilla_%1%2").arg(ORLayout::loginName()).arg(0)), true);
    return out;
}

JunkCandidates FreedesktopJunkLocations::trash(CategoryRoots &roots)
{
    const QString files = ORLayout::trashDir() + QStringLiteral("/files");
    const QString info = ORLayout::trashDir() + QStringLiteral("/info");
    JunkCandidates out = listEntries(roots, files, true, false);
    for (JunkCandidate &c : out) {
        c.companionRoot = info;
        c.companion = trashInfoPath(c.path);
        c.agedByDeletion = true;
    }
    // Info files whose item is gone: what a crashed or careless mover leaves.
    for (const JunkCandidate &c : listEntries(roots, info, true, false)) {
        const QString name = c.path.section(QLatin1Char('/'), -1);
        if (name.endsWith(QLatin1String(".trashinfo"))
            && !QFileInfo(files + QLatin1Char('/') + name.chopped(10)).exists()
            && !QFileInfo(files + QLatin1Char('/') + name.chopped(10)).isSymLink()) {
            out.append(c);
            out.last().agedByDeletion = true;
        }
    }
    return out;
}

QString FreedesktopJunkLocations::trashInfoPath(const QString &trashedItem)
{
    const QFileInfo item(trashedItem);
    return QFileInfo(item.path()).path() + QStringLiteral("/info/") + item.fileName() + QStringLiteral(".trashinfo");
}

JunkCandidates FreedesktopJunkLocations::downloads(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, ORLayout::downloadDir(), true, true, ORJunkCategory::userFoldersOf(junk::Downloads));
    return out;
}

JunkCandidates FreedesktopJunkLocations::developerCaches(CategoryRoots &roots)
{
    static const char *const folders[] = {".npm/_cacache", ".gradle/caches", ".cargo/registry/cache",
                                          "go/pkg/mod/cache"};
    JunkCandidates out;
    for (const char *rel : folders)
        appendListing(out, roots, ORLayout::homePath(QString::fromLatin1(rel)), true, false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::browser(CategoryRoots &roots)
{
    JunkCandidates out;
    const QString cache = ORLayout::cacheHome();
    if (roots.open(cache)) {
        const QString firefox = cache + QStringLiteral("/mozilla/firefox");
        for (const QString &profile : ORUtility::contentsOfFolder(firefox)) {
            const QString cache2 = firefox + QLatin1Char('/') + profile + QStringLiteral("/cache2");
            if (ORUtility::isDirOfPath(cache2))
                out.append({cache, cache2, true, {}, {}, true, JunkOwners::firefoxProfile(profile)});
        }
    }
    // What the user browsed and the sites' own data start unmarked: removing
    // them logs the user out everywhere and forgets what was visited.
    static const char *const entries[] = {"History", "History-journal", "Cookies", "Cookies-journal", "Local Storage"};
    const QString config = ORLayout::configHome();
    if (!roots.open(config))
        return out;
    static const std::pair<const char *, const char *> browsers[] = {{"google-chrome", "Google Chrome"},
                                                                     {"chromium", "Chromium"}};
    for (const auto &[folder, browserName] : browsers) {
        const QString browser = config + QLatin1Char('/') + QLatin1String(folder);
        const QString profile = browser + QStringLiteral("/Default");
        QString owner;
        for (const char *entry : entries) {
            const QString path = profile + QLatin1Char('/') + QLatin1String(entry);
            if (!QFileInfo::exists(path))
                continue;
            if (owner.isEmpty())
                owner = JunkOwners::chromiumProfile(QLatin1String(browserName), browser, QStringLiteral("Default"));
            out.append({config, path, true, {}, {}, false, owner});
        }
    }
    return out;
}

}  // namespace sw
