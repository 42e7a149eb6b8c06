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

// The extension categories in scan order.
// clang-format off
const CategoryRow kCategories[] = {
    {sw::ext::Extensions, "orextensions",
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Extensions"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Kernel extensions: drivers and system features that applications added."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Kernel"), MacExtLocations::kernelExtensions},
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Browser Extensions"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Add-ons installed in the profiles of your web browsers. A removed extension is gone once the "
               "browser has been restarted."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Browser"), FreedesktopExtLocations::browserExtensions}},
    {sw::ext::Preferences, "orpreference",
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Preferences"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Preference panes that applications added to System Preferences."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "System Preferences"), MacExtLocations::preferencePanes},
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Desktop Extensions"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Shell extensions, widgets and applets you added to your desktop. A removed one is gone once the "
               "desktop shell has been restarted or you have logged in again."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Desktop"), FreedesktopExtLocations::desktopExtensions}},
    {sw::ext::Internet, "orinternet",
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Internet Plug-Ins"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Plug-ins that browsers and other programs load to show web content."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Browsers"), MacExtLocations::internetPlugIns},
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Browser Plug-Ins"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Plug-in libraries the browsers load from your home folder. A removed plug-in is gone once the "
               "browser has been restarted."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Mozilla"), FreedesktopExtLocations::browserPlugIns}},
    {sw::ext::QuickLook, "orquicklook",
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "QuickLook Plug-Ins"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Plug-ins that let Quick Look preview more kinds of files."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Quick Look"), MacExtLocations::quickLookPlugIns},
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Thumbnailers"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Programs that draw the previews of files in your file manager. Previews drawn already stay until "
               "the file manager has been restarted and the thumbnail cache cleaned."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "File manager"), FreedesktopExtLocations::thumbnailers}},
    {sw::ext::Spotlight, "orspotlight",
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Spotlight Plug-Ins"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Plug-ins that let Spotlight search more kinds of files."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Spotlight"), MacExtLocations::spotlightPlugIns},
     {QT_TRANSLATE_NOOP("ORExtDataCollection", "Search Providers"),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Applications that add their results to the desktop's search. A removed provider is gone once the "
               "desktop shell has been restarted."),
      QT_TRANSLATE_NOOP("ORExtDataCollection", "Desktop search"), FreedesktopExtLocations::searchProviders}},
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
