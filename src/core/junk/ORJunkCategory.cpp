// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/ORJunkCategory.h"

#include "core/junk/FreedesktopJunkLocations.h"
#include "core/junk/MacJunkLocations.h"
#include "core/platform/ORLayout.h"

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

// The junk categories in scan order. The descriptions say plainly what a
// category holds and what removing it costs.
const CategoryRow kCategories[] = {
    {sw::junk::AppJunk,
     "application junks",
     "or_cache_icon",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Application Junk Files"),
     QT_TRANSLATE_NOOP(
         "ORJunkFilesCollection",
         "Caches and logs that applications keep to start and work faster. An application makes them "
         "again when it needs them."),
     {MacJunkLocations::appJunk},
     {FreedesktopJunkLocations::appJunk}},
    {sw::junk::Leftovers,
     "leftover",
     "or_leftover",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Leftover Files"),
     QT_TRANSLATE_NOOP(
         "ORJunkFilesCollection",
         "Settings, saved window states and launch agents of applications other than the system's own."),
     {MacJunkLocations::leftovers},
     {FreedesktopJunkLocations::leftovers, true, nullptr,
      QT_TRANSLATE_NOOP(
          "ORJunkFilesCollection",
          "Menu and login entries whose program is no longer installed, and the data of Flatpak "
          "applications that were removed.")}},
    {sw::junk::SysCache,
     "syscache",
     "or_syscache",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System Cache Files"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                       "Caches of the system's own programs and services. They are made again when needed."),
     {MacJunkLocations::sysCaches},
     {FreedesktopJunkLocations::sysCaches, true, nullptr,
      QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                        "Caches of the system's programs in /var/cache, such as packages the package manager "
                        "downloaded. They are made again when needed.")}},
    {sw::junk::SysLog,
     "syslog",
     "or_log_icon",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "System Log Files"),
     QT_TRANSLATE_NOOP(
         "ORJunkFilesCollection",
         "Records of what the system and its services did. They help to find the cause of a fault; "
         "nothing needs them to run."),
     {MacJunkLocations::sysLogs},
     {FreedesktopJunkLocations::sysLogs}},
    {sw::junk::Mail,
     "mailjunk",
     "or_mail_icon",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Mail Attachments"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                       "Copies of attachments saved when you opened them. The messages keep their own copy."),
     {MacJunkLocations::mailJunk},
     {FreedesktopJunkLocations::mailJunk}},
    // iTunes junk and the two iOS categories have no counterpart on a Linux desktop.
    {sw::junk::ITunes,
     "itunesjunk",
     "or_itunes_icon",
     Removal::Contents,
     "MUSIC",
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iTunes Junk Files"),
     QT_TRANSLATE_NOOP(
         "ORJunkFilesCollection",
         "iPhone and iPad software updates and copies of their applications that iTunes downloaded."),
     {MacJunkLocations::itunesJunk},
     {}},
    {sw::junk::IOSBackups,
     "IOSbackups",
     "ios_backup",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iOS Backups"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Backups of iPhones and iPads made on this computer."),
     {MacJunkLocations::iosBackups, false},
     {}},
    {sw::junk::IOSUpdates,
     "IOSupdate",
     "ios_software_update",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "iOS Software Updates"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                       "Software updates for iPhones and iPads that were downloaded."),
     {MacJunkLocations::iosUpdates, false},
     {}},
    // The other tools move what they take to the Trash; emptying it stays the user's choice.
    {sw::junk::Trash,
     "trash",
     "or_trash_icon",
     Removal::Whole,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Trash"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Everything you moved to the Trash and did not empty yet."),
     {MacJunkLocations::trash},
     {FreedesktopJunkLocations::trash, false}},
    // On Linux the Downloads folder is where kept files live too: the user ticks it.
    {sw::junk::Downloads,
     "download",
     "or_download_icon",
     Removal::Whole,
     "DOWNLOAD",
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Downloads"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                       "Everything in your Downloads folder, which may hold files you keep."),
     {MacJunkLocations::downloads},
     {FreedesktopJunkLocations::downloads, false}},
    {sw::junk::Xcode,
     "orxcode",
     "or_xcode_icon",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Xcode DerivedData"),
     QT_TRANSLATE_NOOP("ORJunkFilesCollection",
                       "Build products and indexes that Xcode makes again when a project is built."),
     {MacJunkLocations::xcode},
     {FreedesktopJunkLocations::developerCaches, true,
      QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Developer Build Caches"),
      QT_TRANSLATE_NOOP(
          "ORJunkFilesCollection",
          "Package and build caches of npm, Gradle, Cargo and Go, which are downloaded again when a build "
          "needs them.")}},
    {sw::junk::Browser,
     "orbrowser",
     "or_safari_icon",
     Removal::Contents,
     nullptr,
     QT_TRANSLATE_NOOP("ORJunkFilesCollection", "Browser Junk Files"),
     QT_TRANSLATE_NOOP(
         "ORJunkFilesCollection",
         "Pages and images your browsers keep to show sites faster, their history and their cookies. "
         "Without cookies you are signed out of websites."),
     {MacJunkLocations::browser},
     {FreedesktopJunkLocations::browser, true, nullptr,
      QT_TRANSLATE_NOOP(
          "ORJunkFilesCollection",
          "Pages and images your browsers keep to show sites faster, and their history and cookies, "
          "which start unticked: without cookies you are signed out of websites.")}},
};

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
