// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORSelection.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/shell/ItemListModel.h"

#include <QCoreApplication>

namespace sw {

// The item list of one result family (ORJunkDataGroup, ORBigDataGroup, ...)
// under the page's selection policy. The group belongs to the engine's
// result; the page hands over a new one whenever that result may have
// changed.
template <class GroupT, class Policy>
class GroupItemModel : public ItemListModel
{
public:
    using Group = GroupT;

    using ItemListModel::ItemListModel;

    // Lists the group's items (nullptr: none) through the given search text.
    void setGroup(Group *group, const QString &searchText)
    {
        m_group = group;
        setListed(group ? selection::applySearch(*group, searchText) : QList<qsizetype>());
    }
    Group *group() const { return m_group; }

    bool hasGroup() const override { return m_group; }
    void setSearchText(const QString &text) override { setGroup(m_group, text); }

    // The order belongs to the whole group, whatever the search lets
    // through, so sorting and searching give the same list in either order.
    void sortItems(int tag, const QString &searchText) override
    {
        if (!m_group)
            return;
        selection::sortItems(*m_group, tag);
        setGroup(m_group, searchText);
    }

    bool toggleItem(int row) override
    {
        const qsizetype i = itemIndex(row);
        if (!m_group || i < 0 || !Policy::toggleItem(*m_group, i))
            return false;
        refresh();
        return true;
    }

    bool dropItem(int row) override
    {
        const qsizetype i = itemIndex(row);
        if (!m_group || i < 0)
            return false;
        selection::dropItem(*m_group, i);
        return true;
    }

    QString itemPath(int row) const override
    {
        const qsizetype i = itemIndex(row);
        return m_group && i >= 0 ? m_group->groupItems.at(i).itemPath : QString();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const qsizetype i = itemIndex(index.row());
        if (!m_group || i < 0)
            return QVariant();
        const auto &item = m_group->groupItems.at(i);
        switch (role) {
        case Qt::DisplayRole:
        case NameRole: return selection::shownName(item);
        case PathRole: return item.itemPath;
        case Qt::ToolTipRole:
            return needsAdmin(item) ? item.itemPath + QLatin1Char('\n')
                                          + QCoreApplication::translate("sw::GroupItemModel", "Needs administrator rights")
                                    : item.itemPath;
        case NeedsAdminRole: return needsAdmin(item);
        case IconRole: return iconForPath(item.itemPath);
        case SizeTextRole: return ORUtility::sizeFormatWithNumber(item.itemSize);
        case CheckImageRole: return Policy::itemCheckImage(*m_group, i);
        case CheckEnabledRole: return Policy::isItemCheckable(*m_group, i);
        case DateTextRole:
            if constexpr (requires { item.itemModDate; })
                return item.itemModDate;
            return QVariant();
        default: return QVariant();
        }
    }

private:
    template <class Item>
    static bool needsAdmin(const Item &item)
    {
        if constexpr (requires { item.needsAdmin; })
            return item.needsAdmin;
        return false;
    }

    Group *m_group = nullptr;
};

}  // namespace sw
