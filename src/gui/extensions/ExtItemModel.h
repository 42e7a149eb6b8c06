#pragma once

#include "GroupItemModel.h"
#include "ORExtData.h"
#include "WholeGroups.h"

#include <QFileInfo>

namespace sw {

// The add-ons of the category shown, in the scan's order, under the names
// the scan read from them; their icons are those of their files.
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
            return item.itemName.isEmpty() ? QFileInfo(item.itemPath).completeBaseName() : item.itemName;
        default:
            break;
        }
        return GroupItemModel::data(index, role);
    }
};

}  // namespace sw
