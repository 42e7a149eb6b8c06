#include "MacJunkLocations.h"

#include "ORLayout.h"
#include "ORUtility.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace sw {

namespace {

QString home(const char *rel)
{
    return ORLayout::homePath(QString::fromUtf8(rel));
}

void appendSuffixed(JunkCandidates &out, const QString &folder, const QString &suffix)
{
    for (const QString &name : ORUtility::contentsOfFolder(folder))
        if (name.endsWith(suffix))
            out.append({folder + QLatin1Char('/') + name, true});
}

}  // namespace

JunkCandidates MacJunkLocations::scanLibaryCache()
{
    JunkCandidates out;
    appendListing(out, home("Library/Caches"), true);
    return out;
}

JunkCandidates MacJunkLocations::scanContainerCache()
{
    JunkCandidates out;
    const QString containers = home("Library/Containers");
    for (const QString &c : ORUtility::contentsOfFolder(containers)) {
        if (c == QLatin1String("com.apple.Safari") || c == QLatin1String(".DS_Store") || c == QLatin1String(kAppId))
            continue;
        appendListing(out, containers + QLatin1Char('/') + c + QStringLiteral("/Data/Library/Caches"), true);
    }
    return out;
}

JunkCandidates MacJunkLocations::scanAppLog()
{
    JunkCandidates out;
    QStringList folders{home("Library/Logs")};
    const QString containers = home("Library/Containers");
    for (const QString &c : ORUtility::contentsOfFolder(containers)) {
        if (c == QLatin1String(".DS_Store"))
            continue;
        const QString logs = containers + QLatin1Char('/') + c + QStringLiteral("/Data/Library/Logs");
        if (!logs.contains(QLatin1String(kAppId)))
            folders.append(logs);
    }
    for (const QString &folder : std::as_const(folders))
        appendListing(out, folder, true);
    return out;
}

JunkCandidates MacJunkLocations::scanTempCache()
{
    // The per-user cache folder "C" sits beside the per-user temporary folder.
    const QString temp = QDir::cleanPath(QDir::tempPath());
    const QString cacheFolder = QFileInfo(temp).path() + QStringLiteral("/C");
    JunkCandidates listed, out;
    appendListing(listed, cacheFolder, true);
    for (const JunkCandidate &c : std::as_const(listed))
        if (!c.path.contains(QLatin1String(kAppId)))
            out.append(c);
    return out;
}

QStringList MacJunkLocations::installedBundleIdentifiers()
{
    QStringList ids;
    for (const QString &apps : {ORLayout::rootPath(QStringLiteral("Applications")), home("Applications")}) {
        for (const QString &name : ORUtility::contentsOfFolder(apps)) {
            if (!name.endsWith(QLatin1String(".app")))
                continue;
            const auto info =
                ORUtility::readPropertyListDictionary(apps + QLatin1Char('/') + name + QStringLiteral("/Contents/Info.plist"));
            const QString id = info ? info->value(QStringLiteral("CFBundleIdentifier")).toString() : QString();
            if (!id.isEmpty())
                ids.append(id);
        }
    }
    return ids;
}

bool MacJunkLocations::isLeftoverSkipped(const QString &name, const QStringList &appleAppNames,
                                         const QStringList &installedIds)
{
    static const char *const systemParts[] = {"Apple",      "ByHost",      "GlobalPreferences",
                                              "callservicesd", "loginwindow", "com.apple"};
    if (name == QLatin1String(".DS_Store") || appleAppNames.contains(name) || name.contains(QLatin1String(kAppId)))
        return true;
    for (const char *part : systemParts)
        if (name.contains(QLatin1String(part)))
            return true;
    // An entry named after an installed application's identifier is that
    // application's own setting, not a leftover.
    for (const QString &id : installedIds)
        if (name.startsWith(id))
            return true;
    return false;
}

JunkCandidates MacJunkLocations::leftovers()
{
    const QStringList appleApps = ORUtility::appNameArray();
    const QStringList installed = installedBundleIdentifiers();
    const QStringList folders{home("Library/Preferences"), ORLayout::rootPath(QStringLiteral("Library/LaunchAgents")),
                              home("Library/Saved Application State"), home("Library/Parallels"),
                              home(".cleverfiles")};
    JunkCandidates out;
    for (const QString &folder : folders)
        for (const QString &name : ORUtility::contentsOfFolder(folder))
            if (!isLeftoverSkipped(name, appleApps, installed))
                out.append({folder + QLatin1Char('/') + name, true});
    return out;
}

JunkCandidates MacJunkLocations::sysCaches()
{
    JunkCandidates out;
    for (const QString &folder : ORUtility::sysCacheDirectory())
        appendListing(out, folder, false);
    return out;
}

JunkCandidates MacJunkLocations::sysLogs()
{
    JunkCandidates out;
    appendListing(out, ORLayout::rootPath(QStringLiteral("Library/Logs")), false);
    appendListing(out, ORLayout::rootPath(QStringLiteral("var/log/asl")), false);
    return out;
}

JunkCandidates MacJunkLocations::mailJunk()
{
    static const QSet<QString> extensions = {
        QStringLiteral("webp"), QStringLiteral("apng"), QStringLiteral("txt"), QStringLiteral("jp2"),
        QStringLiteral("bmp"),  QStringLiteral("gif"),  QStringLiteral("tiff"), QStringLiteral("pcx"),
        QStringLiteral("iff"),  QStringLiteral("mag"),  QStringLiteral("ski"),  QStringLiteral("pnm"),
        QStringLiteral("xbm"),  QStringLiteral("xpm"),  QStringLiteral("icns")};
    JunkCandidates out;
    appendListing(out, home("Library/Containers/com.apple.mail/Data/Library/Mail Downloads"), true, false);
    const QString mail = home("Library/Mail");
    QDirIterator it(mail, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (extensions.contains(it.fileInfo().suffix().toLower()))
            out.append({path, true});
    }
    return out;
}

JunkCandidates MacJunkLocations::itunesJunk()
{
    // The software updates are listed here and again in their own category.
    JunkCandidates out = iosUpdates();
    appendSuffixed(out, home("Music/iTunes/iTunes Media/Mobile Applications"), QStringLiteral(".ipa"));
    return out;
}

JunkCandidates MacJunkLocations::iosBackups()
{
    JunkCandidates out;
    appendListing(out, home("Library/Application Support/MobileSync/Backup"), true);
    return out;
}

JunkCandidates MacJunkLocations::iosUpdates()
{
    JunkCandidates out;
    appendSuffixed(out, home("Library/iTunes/iPhone Software Updates"), QStringLiteral(".ipsw"));
    appendSuffixed(out, home("Library/iTunes/iPad Software Updates"), QStringLiteral(".ipsw"));
    return out;
}

JunkCandidates MacJunkLocations::trash()
{
    JunkCandidates out;
    appendListing(out, home(".Trash"), true);
    return out;
}

JunkCandidates MacJunkLocations::downloads()
{
    JunkCandidates out;
    appendListing(out, home("Downloads"), true);
    return out;
}

JunkCandidates MacJunkLocations::xcode()
{
    JunkCandidates out;
    appendListing(out, home("Library/Developer/Xcode/DerivedData"), true, false);
    return out;
}

JunkCandidates MacJunkLocations::browser()
{
    static const char *const folders[] = {
        "Library/Caches/Metadata/Safari/History",
        "Library/Caches/com.apple.Safari/",
        "Library/Cookies",
        "Library/Safari/LocalStorage",
        "Library/Caches/Google/Chrome/Default/Cache",
        "Library/Application Support/Google/Chrome/Default/History",
        "Library/Application Support/Google/Chrome/Default/History-journal",
        "Library/Application Support/Google/Chrome/Default/Local Storage",
        "Library/Application Support/Google/Chrome/Default/Cookies",
        "Library/Application Support/Google/Chrome/Default/Cookies-journal",
    };
    JunkCandidates out;
    for (const char *rel : folders)
        appendListing(out, QDir::cleanPath(home(rel)), true);
    return out;
}

}  // namespace sw
