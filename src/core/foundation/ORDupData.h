// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The duplicate finder's scan result: one group per set of equal files.
struct ORDupDataItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    QString itemIconPath;
    qint64 itemModTime = 0;  // ms since the epoch, UTC
    bool isDel = false;
    bool isVisible = true;
    bool isReference = false;  // in a folder of originals: never selected, never removed
    bool isTooNew = false;     // modified within the age limit of the scan: never selected, never removed
    // The file the scan found (0: not known), checked again before a copy is replaced by a link.
    quint64 itemDev = 0;
    quint64 itemIno = 0;

    // A copy that stays whatever is clicked; while one does, every other copy may go.
    bool staysPut() const { return isReference || isTooNew; }
};

struct ORDupDataGroup
{
    QList<ORDupDataItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;
    QString groupType;
    QString groupPath;
    qint64 isGroupDelFlag = 0;
    bool isVisible = true;
    // Every item may be selected (empty files, folders and broken links):
    // no copy has to stay.
    bool allMayGo = false;
};

struct ORDupData
{
    QList<ORDupDataGroup> dupGroups;
    qint64 dupTotalSize = 0;
    qint64 dupSelectedSize = 0;
};
