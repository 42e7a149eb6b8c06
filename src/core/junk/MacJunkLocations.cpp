// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/MacJunkLocations.h"

#include "core/foundation/ORUtility.h"
#include "core/junk/ORJunkCategory.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

QString home(const char *rel)
{
    return ORLayout::homePath(QString::fromUtf8(rel));
}

void appendSuffixed(JunkCandidates &out, CategoryRoots &roots, const QString &folder, const QString &suffix,
                    const CategoryRoots::UserFolderKeys &allowed = {})
{
    for (const JunkCandidate &c : listEntries(roots, folder, true, false, allowed))
        if (c.path.endsWith(suffix))
            out.append(c);
}

}  // namespace

JunkCandidates MacJunkLocations::appJunk(CategoryRoots &roots)
{
    JunkCandidates all = scanLibaryCache(roots);
    all += scanContainerCache(roots);
    all += scanAppLog(roots);
    all += scanTempCache(roots);
    return all;
}

JunkCandidates MacJunkLocations::scanLibaryCache(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home("Library/Caches"), true);
    return out;
}

JunkCandidates MacJunkLocations::scanContainerCache(CategoryRoots &roots)
{
    JunkCandidates out;
    const QString containers = home("Library/Containers");
    for (const QString &c : ORUtility::contentsOfFolder(containers)) {
        if (c == QLatin1String("com.apple.Safari") || c == QLatin1String(".DS_Store") || c == QLatin1String(kAppId))
            continue;
        const qsizetype first = out.size();
        appendListing(out, roots, containers + QLatin1Char('/') + c + QStringLiteral("/Data/Library/Caches"), true);
        setOwner(out, first, c);
    }
    return out;
}

JunkCandidates MacJunkLocations::scanAppLog(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home("Library/Logs"), true);
    const QString containers = home("Library/Containers");
    for (const QString &c : ORUtility::contentsOfFolder(containers)) {
        if (c == QLatin1String(".DS_Store"))
            continue;
        const QString logs = containers + QLatin1Char('/') + c + QStringLiteral("/Data/Library/Logs");
        if (logs.contains(QLatin1String(kAppId)))
            continue;
        const qsizetype first = out.size();
        appendListing(out, roots, logs, true);
        setOwner(out, first, c);
    }
    return out;
}

QString MacJunkLocations::perUserCacheFolder()
{
    // Taken from the layout, never from $TMPDIR: a run on a fixture root
    // must not reach the machine's own temporary folders.
    const QString folders = ORLayout::rootPath(QStringLiteral("var/folders"));
    for (const QString &outer : ORUtility::contentsOfFolder(folders)) {
        for (const QString &inner : ORUtility::contentsOfFolder(folders + QLatin1Char('/') + outer)) {
            const QString user = folders + QLatin1Char('/') + outer + QLatin1Char('/') + inner;
            struct stat st;
            if (::lstat(QFile::encodeName(user).constData(), &st) == 0 && S_ISDIR(st.st_mode)
                && st.st_uid == ::geteuid() && ORUtility::isDirOfPath(user + QStringLiteral("/T")))
                return user + QStringLiteral("/C");
        }
    }
    return QString();
}

JunkCandidates MacJunkLocations::scanTempCache(CategoryRoots &roots)
{
    JunkCandidates out;
    const QString cacheFolder = perUserCacheFolder();
    if (cacheFolder.isEmpty())
        return out;
    for (const JunkCandidate &c : listEntries(roots, cacheFolder, true))
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

JunkCandidates MacJunkLocations::leftovers(CategoryRoots &roots)
{
    const QStringList appleApps = ORUtility::appNameArray();
    const QStringList installed = installedBundleIdentifiers();
    const QStringList folders{home("Library/Preferences"), ORLayout::rootPath(QStringLiteral("Library/LaunchAgents")),
                              home("Library/Saved Application State"), home("Library/Parallels"),
                              home(".cleverfiles")};
    JunkCandidates out;
    for (const QString &folder : folders) {
        for (const JunkCandidate &c : listEntries(roots, folder, true, false))
            if (!isLeftoverSkipped(c.path.section(QLatin1Char('/'), -1), appleApps, installed))
                out.append(c);
    }
    return out;
}

JunkCandidates MacJunkLocations::sysCaches(CategoryRoots &roots)
{
    JunkCandidates out;
    for (const QString &folder : ORUtility::sysCacheDirectory())
        appendListing(out, roots, folder, false);
    return out;
}

JunkCandidates MacJunkLocations::sysLogs(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, ORLayout::rootPath(QStringLiteral("Library/Logs")), false);
    appendListing(out, roots, ORLayout::rootPath(QStringLiteral("var/log/asl")), false);
    return out;
}

JunkCandidates MacJunkLocations::mailJunk(CategoryRoots &roots)
{
    static const QSet<QString> extensions = {
        QStringLiteral("webp"), QStringLiteral("apng"), QStringLiteral("txt"), QStringLiteral("jp2"),
        QStringLiteral("bmp"),  QStringLiteral("gif"),  QStringLiteral("tiff"), QStringLiteral("pcx"),
        QStringLiteral("iff"),  QStringLiteral("mag"),  QStringLiteral("ski"),  QStringLiteral("pnm"),
        QStringLiteral("xbm"),  QStringLiteral("xpm"),  QStringLiteral("icns")};
    JunkCandidates out;
    appendListing(out, roots, home("Library/Containers/com.apple.mail/Data/Library/Mail Downloads"), true, false);
    const QString mail = home("Library/Mail");
    if (!roots.open(mail))
        return out;
    // Links are not followed into (no FollowSymlinks); removal reaches each
    // item below the root without following one either.
    QDirIterator it(mail, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (extensions.contains(it.fileInfo().suffix().toLower()))
            out.append({mail, path, true, {}, {}, true});
    }
    return out;
}

JunkCandidates MacJunkLocations::itunesJunk(CategoryRoots &roots)
{
    // The software updates are listed here and again in their own category.
    JunkCandidates out = iosUpdates(roots);
    appendSuffixed(out, roots, home("Music/iTunes/iTunes Media/Mobile Applications"), QStringLiteral(".ipa"),
                   ORJunkCategory::userFoldersOf(junk::ITunes));
    return out;
}

JunkCandidates MacJunkLocations::iosBackups(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home("Library/Application Support/MobileSync/Backup"), true);
    return out;
}

JunkCandidates MacJunkLocations::iosUpdates(CategoryRoots &roots)
{
    JunkCandidates out;
    appendSuffixed(out, roots, home("Library/iTunes/iPhone Software Updates"), QStringLiteral(".ipsw"));
    appendSuffixed(out, roots, home("Library/iTunes/iPad Software Updates"), QStringLiteral(".ipsw"));
    return out;
}

JunkCandidates MacJunkLocations::trash(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home(".Trash"), true);
    return out;
}

JunkCandidates MacJunkLocations::downloads(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home("Downloads"), true, true, ORJunkCategory::userFoldersOf(junk::Downloads));
    return out;
}

JunkCandidates MacJunkLocations::xcode(CategoryRoots &roots)
{
    JunkCandidates out;
    appendListing(out, roots, home("Library/Developer/Xcode/DerivedData"), true, false);
    return out;
}

JunkCandidates MacJunkLocations::browser(CategoryRoots &roots)
{
    static const std::pair<const char *, const char *> folders[] = {
        {"Library/Caches/Metadata/Safari/History", "Safari"},
        {"Library/Caches/com.apple.Safari/", "Safari"},
        {"Library/Cookies", "Safari"},
        {"Library/Safari/LocalStorage", "Safari"},
        {"Library/Caches/Google/Chrome/Default/Cache", "Google Chrome (Default)"},
        {"Library/Application Support/Google/Chrome/Default/History", "Google Chrome (Default)"},
        {"Library/Application Support/Google/Chrome/Default/History-journal", "Google Chrome (Default)"},
        {"Library/Application Support/Google/Chrome/Default/Local Storage", "Google Chrome (Default)"},
        {"Library/Application Support/Google/Chrome/Default/Cookies", "Google Chrome (Default)"},
        {"Library/Application Support/Google/Chrome/Default/Cookies-journal", "Google Chrome (Default)"},
    };
    JunkCandidates out;
    for (const auto &[rel, owner] : folders) {
        const qsizetype first = out.size();
        appendListing(out, roots, QDir::cleanPath(home(rel)), true);
        setOwner(out, first, QLatin1String(owner));
    }
    return out;
}

}  // namespace sw
