// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The junk cleaner's scan result: one group per category.
struct ORjunkDataItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    QString itemIconPath;
    // Whose it is, when the folder it was listed in names an application or
    // a browser profile: shown as "Owner › name".
    QString itemOwner;
    bool isDel = false;
    bool isVisible = true;
    // Where removal anchors: the category root the item was listed in.
    QString itemRoot;
    // A file that goes with the item (a Trash item's info file) and its root.
    QString companionPath;
    QString companionRoot;
    // Only an administrator may remove it: listed unmarked, removed through
    // one privileged run when the user marks it.
    bool needsAdmin = false;
};

struct ORJunkDataGroup
{
    QList<ORjunkDataItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;
    QString groupInfo;
    QString groupPath;
    qint64 isGroupDelFlag = 0;
    qint64 groupID = 0;
    // Only items older than this many days were listed (0: every item).
    qint64 olderThanDays = 0;

    static ORJunkDataGroup initJunkGroupWithID(qint64 groupID)
    {
        ORJunkDataGroup group;
        group.groupID = groupID;
        return group;
    }
};

struct ORJunkData
{
    QList<ORJunkDataGroup> junkGroups;
    qint64 junkTotalSize = 0;
    qint64 junkSelectedSize = 0;
};
