// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORExtData.h"
#include "gui/shell/GroupItemModel.h"
#include "gui/shell/WholeGroups.h"

#include <QCoreApplication>

namespace sw {

// The add-ons of the category shown, in the scan's order, each named with
// its browser or desktop ("Firefox › uBlock Origin") and badged with whether
// it is on, where its owner's files tell; their icons are those of their
// files.
class ExtItemModel : public GroupItemModel<ORExtGroup, WholeGroups>
{
public:
    using GroupItemModel::GroupItemModel;

    void sortItems(int, const QString &searchText) override { setGroup(group(), searchText); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const qsizetype i = itemIndex(index.row());
        if (!group() || i < 0)
            return QVariant();
        const ORExtItem &item = group()->groupItems.at(i);
        switch (role) {
        case Qt::DisplayRole:
        case NameRole:
            return group()->itemTitle(i);
        case BadgeRole:
            if (!item.itemEnabled)
                return QString();
            return *item.itemEnabled ? QCoreApplication::translate("ORExtensionResultViewCter", "Enabled")
                                     : QCoreApplication::translate("ORExtensionResultViewCter", "Disabled");
        default:
            break;
        }
        return GroupItemModel::data(index, role);
    }
};

}  // namespace sw
