#pragma once

#include <QList>
#include <QString>

// The extensions manager's scan result: one group per add-on category.
struct ORExtItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    bool isDel = false;

    // Name without extension, size of the folder or file.
    static ORExtItem initFromPath(const QString &path, bool isDelete);
};

struct ORExtGroup
{
    QList<ORExtItem> groupItems;
    qint64 groupSize = 0;
    qint64 groupSelectedSize = 0;
    QString groupName;
    QString groupInfo;
    qint64 isGroupDelFlag = 0;
    qint64 groupID = 0;
    bool isVisible = true;

    static ORExtGroup initFromGroupID(qint64 groupID)
    {
        ORExtGroup group;
        group.groupID = groupID;
        return group;
    }
};

struct ORExtData
{
    QList<ORExtGroup> extGroups;
    qint64 extTotalSize = 0;
    qint64 extSelectedSize = 0;
};
