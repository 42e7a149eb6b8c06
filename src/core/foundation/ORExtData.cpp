// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORExtData.h"

#include "core/foundation/ORUtility.h"

#include <QFileInfo>

#include <algorithm>

ORExtItem ORExtItem::initFromPath(const QString &path, bool isDelete)
{
    ORExtItem item;
    item.itemPath = path;
    item.itemName = QFileInfo(path).completeBaseName();
    item.itemSize = ORUtility::isDirOfPath(path) ? ORUtility::folderSizeAtPath2(path) : ORUtility::fileSizeByPath(path);
    item.isDel = isDelete;
    return item;
}

QString ORExtGroup::itemTitle(qsizetype index, bool withProfile) const
{
    const ORExtItem &item = groupItems.at(index);
    QString owner = item.itemOwner;
    const bool otherProfile = withProfile || std::any_of(groupItems.cbegin(), groupItems.cend(), [&item](const ORExtItem &other) {
        return other.itemOwner == item.itemOwner && other.itemProfile != item.itemProfile;
    });
    if (otherProfile && !item.itemProfile.isEmpty())
        owner += QStringLiteral(" (%1)").arg(item.itemProfile);
    const QString name = item.itemName.isEmpty() ? QFileInfo(item.itemPath).completeBaseName() : item.itemName;
    return owner.isEmpty() ? name : owner + QStringLiteral(" \u203A ") + name;
}
