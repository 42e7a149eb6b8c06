#pragma once

#include "ORCellRoles.h"
#include "ORSelection.h"
#include "ORUtility.h"

#include <QAbstractListModel>
#include <QIcon>

#include <memory>

namespace sw {

// The group table of a result page: one row per group of the engine's
// result. Data is the family's data object and Groups its list of groups
// (&ORBigData::bigGroups); a subclass gives each group its icon.
template <class Data, auto Groups>
class GroupListModel : public QAbstractListModel
{
public:
    using GroupList = std::remove_cvref_t<decltype(std::declval<Data &>().*Groups)>;
    using Group = typename GroupList::value_type;

    using QAbstractListModel::QAbstractListModel;

    void setResult(std::shared_ptr<Data> data)
    {
        beginResetModel();
        m_data = std::move(data);
        endResetModel();
    }
    std::shared_ptr<Data> result() const { return m_data; }
    GroupList *groups() const { return m_data ? &((*m_data).*Groups) : nullptr; }
    Group *group(int row) const
    {
        GroupList *list = groups();
        return list && row >= 0 && row < list->size() ? &(*list)[row] : nullptr;
    }
    // Repaints every row after the selection changed.
    void refresh()
    {
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1));
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() || !m_data ? 0 : int(groups()->size());
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
        case CheckImageRole: return selection::groupCheckImage(*g);
        case CheckEnabledRole: return selection::isGroupCheckable(*g);
        default: return QVariant();
        }
    }

protected:
    virtual QIcon groupIcon(const Group &group) const = 0;
    // A second line under the name; none by default.
    virtual QString groupExtraText(const Group &) const { return QString(); }

private:
    std::shared_ptr<Data> m_data;
};

}  // namespace sw
