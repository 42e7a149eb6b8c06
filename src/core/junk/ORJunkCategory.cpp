#include "ORJunkCategory.h"

#include "ORLayout.h"

#include <QCoreApplication>

namespace {

const ORJunkCategory kAppJunk{
    0, QStringLiteral("application junks"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Application Junk Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "The accumulated cache files of your applications, which may result in system malfunctioning "
                      "or overall performance drop."),
    true};
const ORJunkCategory kLeftover{
    1, QStringLiteral("leftover"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Leftover Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Application contains binary files, setting files, supporting files, etc. If you drag "
                      "application to Trash, these orphaned files will become useless, of which was known as app "
                      "leftovers."),
    true};
const ORJunkCategory kSysCache{
    2, QStringLiteral("syscache"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System Cache Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "System applications generate and remain dozens of cache files, which is caused for longer "
                      "startup, performance degradation and improper system functions."),
    true};
const ORJunkCategory kSysLog{
    3, QStringLiteral("syslog"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System Log Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Many activities of system applications and services are being logged into a lot of files. "
                      "Usually, these data are useful for debugging purposes only."),
    true};
const ORJunkCategory kMail{
    10, QStringLiteral("mailjunk"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Mail Attachments"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Including email attachments and related downloaded files which take up your hard drive."),
    true};
const ORJunkCategory kITunes{
    9, QStringLiteral("itunesjunk"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iTunes Junk Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Old ios device backup, ios software update files, video & music data download by iTunes."),
    true};
const ORJunkCategory kIOSBackups{13, QStringLiteral("IOSbackups"),
                                 QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iOS Backups"),
                                 QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System backup data of iOS."), false};
const ORJunkCategory kIOSUpdates{12, QStringLiteral("IOSupdate"),
                                 QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iOS Software Updates"),
                                 QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System update data of iOS."), false};
const ORJunkCategory kTrash{
    6, QStringLiteral("trash"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Trash Can"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection", "All the trashed on your Mac, not just the main Trash in your Dock."),
    true};
const ORJunkCategory kTrashFreedesktop{
    6, QStringLiteral("trash"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Trash Can"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Everything you moved to the Trash and did not empty yet."), true};
const ORJunkCategory kDownloads{
    8, QStringLiteral("download"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Downloads"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "All the files which downloaded from browsers, stored in the Download folder."),
    true};
const ORJunkCategory kXcode{14, QStringLiteral("orxcode"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Xcode DerivedData"),
                            QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Garbage files produced by Xcode compilation."),
                            true};
const ORJunkCategory kDevCaches{
    14, QStringLiteral("orxcode"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Developer Build Caches"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a "
                      "build needs them."),
    true};
const ORJunkCategory kBrowser{
    7, QStringLiteral("orbrowser"), QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Browser Junk Files"),
    QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                      "Including browsing and download histories, cached files and cookies from browsers."),
    true};

}  // namespace

QString ORJunkCategory::groupName() const
{
    return QCoreApplication::translate("ORJunkFilesCollection", name);
}

QString ORJunkCategory::groupInfo() const
{
    return QCoreApplication::translate("ORJunkFilesCollection", info);
}

QList<ORJunkCategory> ORJunkCategory::categories()
{
    if (ORLayout::isMacOS())
        return {kAppJunk, kLeftover, kSysCache, kSysLog, kMail, kITunes, kIOSBackups,
                kIOSUpdates, kTrash, kDownloads, kXcode, kBrowser};
    // iTunes junk and the two iOS categories have no counterpart on a Linux desktop.
    return {kAppJunk, kLeftover, kSysCache, kSysLog, kMail, kTrashFreedesktop, kDownloads, kDevCaches, kBrowser};
}

std::optional<ORJunkCategory> ORJunkCategory::byID(qint64 groupID)
{
    for (const ORJunkCategory &c : categories())
        if (c.groupID == groupID)
            return c;
    return std::nullopt;
}

QStringList ORJunkCategory::userFoldersOf(qint64 groupID)
{
    switch (groupID) {
    case sw::junk::Downloads: return {QStringLiteral("DOWNLOAD")};
    case sw::junk::ITunes: return {QStringLiteral("MUSIC")};
    default: return {};
    }
}

bool ORJunkCategory::removesWhole(qint64 groupID)
{
    return groupID == sw::junk::Trash || groupID == sw::junk::Downloads;
}
