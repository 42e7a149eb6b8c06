#include "ORJunkCategory.h"

#include "FreedesktopJunkLocations.h"
#include "MacJunkLocations.h"
#include "ORLayout.h"

#include <QCoreApplication>

namespace {

using sw::FreedesktopJunkLocations;
using sw::MacJunkLocations;
using Removal = ORJunkCategory::Removal;

// What a category is in one layout. No locations: not offered there. A text
// left out is the category's own.
struct LayoutFace
{
    ORJunkCategory::Locations locations = nullptr;
    bool initiallyMarked = true;
    const char *name = nullptr;
    const char *info = nullptr;
};

struct CategoryRow
{
    qint64 groupID;
    const char *switchKey;
    const char *iconName;
    Removal removal;
    const char *userFolder;  // XDG key, or nullptr
    const char *name;
    const char *info;
    LayoutFace mac;
    LayoutFace freedesktop;
};

#define JUNK_TEXT(text) QT_TRANSLATE_NOOP("ORJunkFilesCollection", text)

// The junk categories in scan order.
// clang-format off
const CategoryRow kCategories[] = {
    {sw::junk::AppJunk, "application junks", "or_cache_icon", Removal::Contents, nullptr,
     JUNK_TEXT("Application Junk Files"),
     JUNK_TEXT("The accumulated cache files of your applications, which may result in system malfunctioning or "
               "overall performance drop."),
     {MacJunkLocations::appJunk}, {FreedesktopJunkLocations::appJunk}},
    {sw::junk::Leftovers, "leftover", "or_leftover", Removal::Contents, nullptr,
     JUNK_TEXT("Leftover Files"),
     JUNK_TEXT("Application contains binary files, setting files, supporting files, etc. If you drag application "
               "to Trash, these orphaned files will become useless, of which was known as app leftovers."),
     {MacJunkLocations::leftovers}, {FreedesktopJunkLocations::leftovers}},
    {sw::junk::SysCache, "syscache", "or_syscache", Removal::Contents, nullptr,
     JUNK_TEXT("System Cache Files"),
     JUNK_TEXT("System applications generate and remain dozens of cache files, which is caused for longer startup, "
               "performance degradation and improper system functions."),
     {MacJunkLocations::sysCaches}, {FreedesktopJunkLocations::sysCaches}},
    {sw::junk::SysLog, "syslog", "or_log_icon", Removal::Contents, nullptr,
     JUNK_TEXT("System Log Files"),
     JUNK_TEXT("Many activities of system applications and services are being logged into a lot of files. Usually, "
               "these data are useful for debugging purposes only."),
     {MacJunkLocations::sysLogs}, {FreedesktopJunkLocations::sysLogs}},
    {sw::junk::Mail, "mailjunk", "or_mail_icon", Removal::Contents, nullptr,
     JUNK_TEXT("Mail Attachments"),
     JUNK_TEXT("Including email attachments and related downloaded files which take up your hard drive."),
     {MacJunkLocations::mailJunk}, {FreedesktopJunkLocations::mailJunk}},
    // iTunes junk and the two iOS categories have no counterpart on a Linux desktop.
    {sw::junk::ITunes, "itunesjunk", "or_itunes_icon", Removal::Contents, "MUSIC",
     JUNK_TEXT("iTunes Junk Files"),
     JUNK_TEXT("Old ios device backup, ios software update files, video & music data download by iTunes."),
     {MacJunkLocations::itunesJunk}, {}},
    {sw::junk::IOSBackups, "IOSbackups", "ios_backup", Removal::Contents, nullptr,
     JUNK_TEXT("iOS Backups"), JUNK_TEXT("System backup data of iOS."),
     {MacJunkLocations::iosBackups, false}, {}},
    {sw::junk::IOSUpdates, "IOSupdate", "ios_software_update", Removal::Contents, nullptr,
     JUNK_TEXT("iOS Software Updates"), JUNK_TEXT("System update data of iOS."),
     {MacJunkLocations::iosUpdates, false}, {}},
    {sw::junk::Trash, "trash", "or_trash_icon", Removal::Whole, nullptr,
     JUNK_TEXT("Trash Can"), JUNK_TEXT("All the trashed on your Mac, not just the main Trash in your Dock."),
     {MacJunkLocations::trash},
     {FreedesktopJunkLocations::trash, true, nullptr,
      JUNK_TEXT("Everything you moved to the Trash and did not empty yet.")}},
    // On Linux the Downloads folder is where kept files live too: the user ticks it.
    {sw::junk::Downloads, "download", "or_download_icon", Removal::Whole, "DOWNLOAD",
     JUNK_TEXT("Downloads"), JUNK_TEXT("All the files which downloaded from browsers, stored in the Download folder."),
     {MacJunkLocations::downloads}, {FreedesktopJunkLocations::downloads, false}},
    {sw::junk::Xcode, "orxcode", "or_xcode_icon", Removal::Contents, nullptr,
     JUNK_TEXT("Xcode DerivedData"), JUNK_TEXT("Garbage files produced by Xcode compilation."),
     {MacJunkLocations::xcode},
     {FreedesktopJunkLocations::developerCaches, true, JUNK_TEXT("Developer Build Caches"),
      JUNK_TEXT("Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build "
                "needs them.")}},
    {sw::junk::Browser, "orbrowser", "or_safari_icon", Removal::Contents, nullptr,
     JUNK_TEXT("Browser Junk Files"),
     JUNK_TEXT("Including browsing and download histories, cached files and cookies from browsers."),
     {MacJunkLocations::browser}, {FreedesktopJunkLocations::browser}},
};
// clang-format on

#undef JUNK_TEXT

const CategoryRow *rowOf(qint64 groupID)
{
    for (const CategoryRow &row : kCategories)
        if (row.groupID == groupID)
            return &row;
    return nullptr;
}

ORJunkCategory categoryOf(const CategoryRow &row, const LayoutFace &face)
{
    ORJunkCategory c;
    c.groupID = row.groupID;
    c.switchKey = QString::fromLatin1(row.switchKey);
    c.name = face.name ? face.name : row.name;
    c.info = face.info ? face.info : row.info;
    c.iconName = QString::fromLatin1(row.iconName);
    c.initiallyMarked = face.initiallyMarked;
    c.removal = row.removal;
    if (row.userFolder)
        c.userFolders = QStringList{QString::fromLatin1(row.userFolder)};
    c.locations = face.locations;
    return c;
}

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
    const bool mac = ORLayout::isMacOS();
    QList<ORJunkCategory> out;
    for (const CategoryRow &row : kCategories) {
        const LayoutFace &face = mac ? row.mac : row.freedesktop;
        if (face.locations)
            out.append(categoryOf(row, face));
    }
    return out;
}

std::optional<ORJunkCategory> ORJunkCategory::byID(qint64 groupID)
{
    const CategoryRow *row = rowOf(groupID);
    const LayoutFace *face = row ? (ORLayout::isMacOS() ? &row->mac : &row->freedesktop) : nullptr;
    if (!face || !face->locations)
        return std::nullopt;
    return categoryOf(*row, *face);
}

QStringList ORJunkCategory::userFoldersOf(qint64 groupID)
{
    const CategoryRow *row = rowOf(groupID);
    return row && row->userFolder ? QStringList{QString::fromLatin1(row->userFolder)} : QStringList();
}

bool ORJunkCategory::removesWhole(qint64 groupID)
{
    const CategoryRow *row = rowOf(groupID);
    return row && row->removal == Removal::Whole;
}

QString ORJunkCategory::iconNameOf(qint64 groupID)
{
    const CategoryRow *row = rowOf(groupID);
    return row ? QString::fromLatin1(row->iconName) : QString();
}
