// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/extensions/ORExtCategory.h"

#include "core/extensions/FreedesktopExtLocations.h"
#include "core/extensions/MacExtLocations.h"
#include "core/platform/ORLayout.h"

#include <QCoreApplication>

namespace {

using sw::ext::FreedesktopExtLocations;
using sw::ext::MacExtLocations;

// What a category is in one layout: its texts and where it looks.
struct LayoutFace
{
    const char *name;
    const char *info;
    const char *owner;
    ORExtCategory::Locations locations;
};

struct CategoryRow
{
    qint64 groupID;
    const char *skipKey;
    LayoutFace mac;
    LayoutFace freedesktop;
};

#define EXT_TEXT(text) QT_TRANSLATE_NOOP("ORExtDataCollection", text)

// The extension categories in scan order.
// clang-format off
const CategoryRow kCategories[] = {
    {sw::ext::Extensions, "orextensions",
     {EXT_TEXT("Extensions"),
      EXT_TEXT("Kernel extensions: drivers and system features that applications added."),
      EXT_TEXT("Kernel"), MacExtLocations::kernelExtensions},
     {EXT_TEXT("Browser Extensions"),
      EXT_TEXT("Add-ons installed in the profiles of your web browsers. A removed extension is gone once the "
               "browser has been restarted."),
      EXT_TEXT("Browser"), FreedesktopExtLocations::browserExtensions}},
    {sw::ext::Preferences, "orpreference",
     {EXT_TEXT("Preferences"),
      EXT_TEXT("Preference panes that applications added to System Preferences."),
      EXT_TEXT("System Preferences"), MacExtLocations::preferencePanes},
     {EXT_TEXT("Desktop Extensions"),
      EXT_TEXT("Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the "
               "desktop shell has been restarted or you have logged in again."),
      EXT_TEXT("Desktop"), FreedesktopExtLocations::desktopExtensions}},
    {sw::ext::Internet, "orinternet",
     {EXT_TEXT("Internet Plug-Ins"),
      EXT_TEXT("Plug-ins that browsers and other programs load to show web content."),
      EXT_TEXT("Browsers"), MacExtLocations::internetPlugIns},
     {EXT_TEXT("Browser Plug-Ins"),
      EXT_TEXT("Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the "
               "browser has been restarted."),
      EXT_TEXT("Mozilla"), FreedesktopExtLocations::browserPlugIns}},
    {sw::ext::QuickLook, "orquicklook",
     {EXT_TEXT("QuickLook Plug-Ins"),
      EXT_TEXT("Plug-ins that let Quick Look preview more kinds of files."),
      EXT_TEXT("Quick Look"), MacExtLocations::quickLookPlugIns},
     {EXT_TEXT("Thumbnailers"),
      EXT_TEXT("Programs that draw the previews of files in your file manager. Previews drawn already stay until "
               "the file manager has been restarted and the thumbnail cache cleaned."),
      EXT_TEXT("File manager"), FreedesktopExtLocations::thumbnailers}},
    {sw::ext::Spotlight, "orspotlight",
     {EXT_TEXT("Spotlight Plug-Ins"),
      EXT_TEXT("Plug-ins that let Spotlight search more kinds of files."),
      EXT_TEXT("Spotlight"), MacExtLocations::spotlightPlugIns},
     {EXT_TEXT("Search Providers"),
      EXT_TEXT("Applications that add their results to the desktop's search. A removed provider is gone once the "
               "desktop shell has been restarted."),
      EXT_TEXT("Desktop search"), FreedesktopExtLocations::searchProviders}},
};
// clang-format on

ORExtCategory fromRow(const CategoryRow &row)
{
    const LayoutFace &face = ORLayout::isMacOS() ? row.mac : row.freedesktop;
    ORExtCategory category;
    category.groupID = row.groupID;
    category.skipKey = QString::fromLatin1(row.skipKey);
    category.name = face.name;
    category.info = face.info;
    category.owner = face.owner;
    category.locations = face.locations;
    return category;
}

}  // namespace

QString ORExtCategory::groupName() const
{
    return QCoreApplication::translate("ORExtDataCollection", name);
}

QString ORExtCategory::groupInfo() const
{
    return QCoreApplication::translate("ORExtDataCollection", info);
}

QString ORExtCategory::ownerName() const
{
    return QCoreApplication::translate("ORExtDataCollection", owner);
}

QList<ORExtCategory> ORExtCategory::categories()
{
    QList<ORExtCategory> out;
    for (const CategoryRow &row : kCategories)
        out.append(fromRow(row));
    return out;
}

std::optional<ORExtCategory> ORExtCategory::byID(qint64 groupID)
{
    for (const CategoryRow &row : kCategories)
        if (row.groupID == groupID)
            return fromRow(row);
    return std::nullopt;
}
