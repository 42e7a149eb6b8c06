// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace sw {

// Where an application was found; shown as a badge beside its name, which
// tells apart two applications of one name.
enum class AppSource { MacBundle, AppImage, Home, Flatpak, Debian };

// What an item of an application is. Caches and settings are ticked with
// their application; the user's data (mail, documents, saved games) only when
// the user ticks it.
enum class AppItemKind { App, Cache, Settings, Data };

}  // namespace sw

// The uninstaller's scan result: one group per application.
struct ORAppDataItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    bool isDel = false;
    bool isVisible = true;
    sw::AppItemKind kind = sw::AppItemKind::Data;
};

struct ORAppDataGroup
{
    QList<ORAppDataItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;  // the desktop entry's Name= in the user's language
    qint64 isGroupDelFlag = 0;
    bool isVisible = true;
    sw::AppSource appSource = sw::AppSource::MacBundle;
    // The desktop entry's Icon=: a name in the icon theme, or a file.
    QString appIcon;
    // The desktop-file id, Flatpak id, package name or bundle identifier.
    QString appIdentifier;
};

struct ORAppData
{
    QList<ORAppDataGroup> appGroups;
    qint64 appTotalSize = 0;
    qint64 appSelectedSize = 0;
};
