// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// The large-file finder's scan result: one group per size band.
struct ORBigDataItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    QString itemIconPath;
    QString itemModDate;
    qint64 itemModTime = 0;  // ms since the epoch, UTC
    bool isDel = false;
    bool isVisible = true;
};

struct ORBigDataGroup
{
    QList<ORBigDataItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;
    QString groupInfo;
    qint64 isGroupDelFlag = 0;
    qint64 bigID = 0;
    bool isVisible = true;
};

struct ORBigData
{
    QList<ORBigDataGroup> bigGroups;
    qint64 bigTotalSize = 0;
    qint64 bigSelectedSize = 0;
};
