#pragma once

#include <QList>
#include <QString>

// The uninstaller's scan result: one group per application.
struct ORAppDataItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    bool isDel = false;
    bool isVisible = true;
};

struct ORAppDataGroup
{
    QList<ORAppDataItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;
    qint64 isGroupDelFlag = 0;
    bool isVisible = true;
};

struct ORAppData
{
    QList<ORAppDataGroup> appGroups;
    qint64 appTotalSize = 0;
    qint64 appSelectedSize = 0;
};
