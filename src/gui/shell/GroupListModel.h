// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORUtility.h"
#include "gui/controls/ORCellRoles.h"

#include <QAbstractListModel>
#include <QIcon>

#include <memory>

namespace sw {

// The group table of a result page: one row per listed group of the engine's
// result. Data is the family's data object, Groups its list of groups
// (&ORBigData::bigGroups) and Policy the page's selection policy. Every group
// is listed unless the page narrows and orders the list (setListed()); a
// subclass gives each group its icon.
template <class Data, auto Groups, class Policy>
class GroupListModel : public QAbstractListModel
{
public:
    using GroupList = std::remove_cvref_t<decltype(std::declval<Data &>().*Groups)>;
    using Group = typename GroupList::value_type;
    using SelectionPolicy = Policy;
    using DataType = Data;
    static constexpr auto groupsOfData = Groups;

    using QAbstractListModel::QAbstractListModel;

    // Lists every group of the result, in its order.
    void setResult(std::shared_ptr<Data> data)
    {
        QList<Group *> all;
        if (data)
            for (Group &group : (*data).*Groups)
                all.append(&group);
        m_data = std::move(data);
        setListed(std::move(all));
    }
    // The groups to show, pointers into the result.
    void setListed(QList<Group *> listed)
    {
        beginResetModel();
        m_listed = std::move(listed);
        endResetModel();
    }
    std::shared_ptr<Data> result() const { return m_data; }
    GroupList *groups() const { return m_data ? &((*m_data).*Groups) : nullptr; }
    const QList<Group *> &listed() const { return m_listed; }
    Group *group(int row) const { return row >= 0 && row < m_listed.size() ? m_listed.at(row) : nullptr; }
    int rowOf(const Group *group) const { return int(m_listed.indexOf(group)); }
    // Repaints every row after the selection changed.
    void refresh()
    {
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1));
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_listed.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const Group *g = group(index.row());
        if (!g)
            return QVariant();
        switch (role) {
        case Qt::DisplayRole:
        case NameRole: return g->groupName;
        case Qt::ToolTipRole:
            if constexpr (requires { g->groupInfo; })
                return g->groupInfo;
            return g->groupName;
        case IconRole: return groupIcon(*g);
        case ExtraTextRole: return groupExtraText(*g);
        case SizeTextRole: return ORUtility::sizeFormatWithNumber(g->groupSize);
        case CheckImageRole: return Policy::groupCheckImage(*g);
        case CheckEnabledRole: return Policy::isGroupCheckable(*g);
        default: return QVariant();
        }
    }

protected:
    virtual QIcon groupIcon(const Group &group) const = 0;
    // A second line under the name; none by default.
    virtual QString groupExtraText(const Group &) const { return QString(); }

private:
    std::shared_ptr<Data> m_data;
    QList<Group *> m_listed;
};

}  // namespace sw
