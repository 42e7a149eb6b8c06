#pragma once

#include "GroupItemModel.h"
#include "ORAppData.h"
#include "WholeGroups.h"

namespace sw {

// The items of the application shown: its bundle and its leftovers, named
// by the scan where it gave a name.
class AppItemModel : public GroupItemModel<ORAppDataGroup, WholeGroups>
{
public:
    using GroupItemModel::GroupItemModel;

    // The bundle stays first, where the page takes the application's icon
    // and last use from: the list keeps the scan's order.
    void sortItems(int, const QString &searchText) override { setGroup(group(), searchText); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == NameRole) {
            const qsizetype i = itemIndex(index.row());
            if (group() && i >= 0 && !group()->groupItems.at(i).itemName.isEmpty())
                return group()->groupItems.at(i).itemName;
        }
        return GroupItemModel::data(index, role);
    }
};

}  // namespace sw
