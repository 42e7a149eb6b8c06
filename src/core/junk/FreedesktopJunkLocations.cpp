#include "FreedesktopJunkLocations.h"

#include "DesktopEntry.h"
#include "ORLayout.h"
#include "ORUtility.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

namespace {

QString flatpakApps()
{
    return ORLayout::homePath(QStringLiteral(".var/app"));
}

bool existsBelowRoot(const QString &absolute)
{
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

JunkCandidates FreedesktopJunkLocations::appJunk()
{
    JunkCandidates out;
    const QString cache = ORLayout::cacheHome();
    for (const QString &name : ORUtility::contentsOfFolder(cache)) {
        // Our own cache folder is in use while we run.
        if (name == QLatin1String(kAppId) || name == QLatin1String(kAppName))
            continue;
        out.append({cache + QLatin1Char('/') + name, true});
    }
    for (const QString &app : ORUtility::contentsOfFolder(flatpakApps()))
        if (app != QLatin1String(kAppId))
            appendListing(out, flatpakApps() + QLatin1Char('/') + app + QStringLiteral("/cache"), true);
    return out;
}

bool FreedesktopJunkLocations::isOrphanDesktopEntry(const QString &desktopFile)
{
    const std::optional<DesktopEntry> entry = DesktopEntry::load(desktopFile);
    if (!entry || entry->exec().isEmpty())
        return false;
    return !programExists(entry->program());
}

bool FreedesktopJunkLocations::isInstalledFlatpak(const QString &appId)
{
    return QFileInfo::exists(ORLayout::homePath(QStringLiteral(".local/share/flatpak/app/") + appId))
           || QFileInfo::exists(ORLayout::rootPath(QStringLiteral("var/lib/flatpak/app/") + appId));
}

JunkCandidates FreedesktopJunkLocations::leftovers()
{
    JunkCandidates out;
    for (const QString &folder : {ORLayout::dataHome() + QStringLiteral("/applications"),
                                  ORLayout::configHome() + QStringLiteral("/autostart")}) {
        for (const QString &name : ORUtility::contentsOfFolder(folder)) {
            const QString path = folder + QLatin1Char('/') + name;
            if (name.endsWith(QLatin1String(".desktop")) && !name.contains(QLatin1String(kAppId))
                && isOrphanDesktopEntry(path))
                out.append({path, true});
        }
    }
    for (const QString &app : ORUtility::contentsOfFolder(flatpakApps()))
        if (app != QLatin1String(kAppId) && !isInstalledFlatpak(app))
            out.append({flatpakApps() + QLatin1Char('/') + app, true});
    return out;
}

JunkCandidates FreedesktopJunkLocations::sysCaches()
{
    JunkCandidates out;
    for (const QString &folder : ORUtility::sysCacheDirectory())
        appendListing(out, folder, false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::sysLogs()
{
    JunkCandidates out;
    appendListing(out, ORLayout::rootPath(QStringLiteral("var/log")), false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::mailJunk()
{
    // Mail and browser programs keep opened attachments here.
    JunkCandidates out;
    appendListing(out, ORLayout::rootPath(QStringLiteral("tmp/mozilla_%1%2").arg(ORLayout::loginName()).arg(0)),
                  true);
    return out;
}

JunkCandidates FreedesktopJunkLocations::trash()
{
    JunkCandidates out;
    appendListing(out, ORLayout::trashDir() + QStringLiteral("/files"), true, false);
    return out;
}

QString FreedesktopJunkLocations::trashInfoPath(const QString &trashedItem)
{
    const QFileInfo item(trashedItem);
    return QFileInfo(item.path()).path() + QStringLiteral("/info/") + item.fileName() + QStringLiteral(".trashinfo");
}

JunkCandidates FreedesktopJunkLocations::downloads()
{
    JunkCandidates out;
    appendListing(out, ORLayout::downloadDir(), true);
    return out;
}

JunkCandidates FreedesktopJunkLocations::developerCaches()
{
    static const char *const folders[] = {".npm/_cacache", ".gradle/caches", ".cargo/registry/cache",
                                          "go/pkg/mod/cache"};
    JunkCandidates out;
    for (const char *rel : folders)
        appendListing(out, ORLayout::homePath(QString::fromLatin1(rel)), true, false);
    return out;
}

JunkCandidates FreedesktopJunkLocations::browser()
{
    JunkCandidates out;
    const QString firefox = ORLayout::cacheHome() + QStringLiteral("/mozilla/firefox");
    for (const QString &profile : ORUtility::contentsOfFolder(firefox)) {
        const QString cache2 = firefox + QLatin1Char('/') + profile + QStringLiteral("/cache2");
        if (ORUtility::isDirOfPath(cache2))
            out.append({cache2, true});
    }
    static const char *const entries[] = {"History", "History-journal", "Cookies", "Cookies-journal", "Local Storage"};
    for (const char *browser : {"google-chrome", "chromium"}) {
        const QString profile = ORLayout::configHome() + QLatin1Char('/') + QLatin1String(browser) + QStringLiteral("/Default");
        for (const char *entry : entries) {
            const QString path = profile + QLatin1Char('/') + QLatin1String(entry);
            if (QFileInfo::exists(path))
                out.append({path, true});
        }
    }
    return out;
}

}  // namespace sw
