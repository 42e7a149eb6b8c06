// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/JunkCandidate.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sw::junk {
// The categories' group numbers (4, 5 and 11 are not used).
enum GroupID : qint64 {
    AppJunk = 0,
    Leftovers = 1,
    SysCache = 2,
    SysLog = 3,
    Trash = 6,
    Browser = 7,
    Downloads = 8,
    ITunes = 9,
    Mail = 10,
    IOSUpdates = 12,
    IOSBackups = 13,
    Xcode = 14,
};
}  // namespace sw::junk

// One junk category as the scanner and the pages know it in the current
// layout: its group number, the switch key that enables it, its texts
// (translated when shown), its icon, where it looks, whether what it finds
// starts marked, and how its items are removed. All of it comes from one
// table; a category without locations in a layout is not offered there.
struct ORJunkCategory
{
    enum class Removal {
        Whole,     // an item goes, folder and all (Trash, Downloads)
        Contents,  // a folder item is emptied and kept
    };
    using Locations = sw::JunkCandidates (*)(sw::CategoryRoots &roots);

    qint64 groupID = 0;
    QString switchKey;
    const char *name = "";
    const char *info = "";
    QString iconName;
    bool initiallyMarked = true;
    Removal removal = Removal::Contents;
    // The user folders (XDG keys) the category looks in by design: Downloads
    // for the Downloads category, Music for the iTunes category's
    // applications. Its roots may lie there; no other category's may.
    QStringList userFolders;
    Locations locations = nullptr;

    QString groupName() const;
    QString groupInfo() const;

    // The categories of the current layout in scan order.
    static QList<ORJunkCategory> categories();
    static std::optional<ORJunkCategory> byID(qint64 groupID);
    // These hold in every layout.
    static QStringList userFoldersOf(qint64 groupID);
    static bool removesWhole(qint64 groupID);
    static QString iconNameOf(qint64 groupID);
};
