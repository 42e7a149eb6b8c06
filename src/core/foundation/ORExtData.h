// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

// The extensions manager's scan result: one group per add-on category.
struct ORExtItem
{
    qint64 itemSize = 0;
    QString itemPath;
    QString itemName;
    bool isDel = false;
    // The browser or desktop it belongs to ("Firefox", "GNOME Shell"), the
    // browser profile it is in, and whether it is on (unknown when its
    // owner's files do not tell).
    QString itemOwner;
    QString itemProfile;
    std::optional<bool> itemEnabled;

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
    // The item as a person tells it from the others: "Firefox › uBlock
    // Origin", with the profile beside the owner ("Chromium (Profile 1) ›
    // Bitwarden") when the group holds add-ons of another profile of it, or
    // always with withProfile.
    QString itemTitle(qsizetype index, bool withProfile = false) const;
};

struct ORExtData
{
    QList<ORExtGroup> extGroups;
    qint64 extTotalSize = 0;
    qint64 extSelectedSize = 0;
};
