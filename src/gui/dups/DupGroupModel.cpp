#include "DupGroupModel.h"

#include "DupCopyLimit.h"
#include "ORCellRoles.h"
#include "ORSelection.h"
#include "ORUtility.h"
#include "Thumbnails.h"

#include <QFileInfo>

#include <algorithm>

namespace sw {

DupGroupModel::DupGroupModel(QObject *parent) : QAbstractListModel(parent)
{
    connect(&Thumbnails::instance(), &Thumbnails::ready, this, [this](const QString &path) {
        for (int row = 0; row < m_groups.size(); ++row)
            if (m_groups.at(row)->groupPath == path)
                emit dataChanged(index(row), index(row), {IconRole});
    });
}

void DupGroupModel::setGroups(const QList<ORDupDataGroup *> &groups)
{
    beginResetModel();
    m_groups = groups;
    endResetModel();
}

ORDupDataGroup *DupGroupModel::group(int row) const
{
    return row >= 0 && row < m_groups.size() ? m_groups.at(row) : nullptr;
}

int DupGroupModel::rowOf(const ORDupDataGroup *group) const
{
    return int(m_groups.indexOf(group));
}

void DupGroupModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int DupGroupModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_groups.size());
}

QString DupGroupModel::displayName(const ORDupDataGroup &group)
{
    const QString base = QFileInfo(group.groupName).completeBaseName();
    return base.isEmpty() ? group.groupName : base;
}

qint64 DupGroupModel::copySize(const ORDupDataGroup &group)
{
    return group.groupItems.isEmpty() ? 0 : group.groupSize / group.groupItems.size();
}

QString DupGroupModel::copiesText(const ORDupDataGroup &group)
{
    return QStringLiteral("%1/%2").arg(DupCopyLimit::markedCount(group)).arg(group.groupItems.size());
}

bool DupGroupModel::isCheckable(const ORDupDataGroup &group)
{
    // A group left with one copy (the others may not be deleted) has nothing
    // that could be selected: one copy always stays.
    return selection::isGroupCheckable(group) && group.groupItems.size() > 1;
}

void DupGroupModel::sortGroups(QList<ORDupDataGroup *> &groups, int tag)
{
    const auto by = [&groups](auto key, auto compare) {
        std::stable_sort(groups.begin(), groups.end(),
                         [&](const ORDupDataGroup *a, const ORDupDataGroup *b) { return compare(key(*a), key(*b)); });
    };
    if (tag == 0)
        by(copySize, std::greater<>());
    else if (tag == 1)
        by([](const ORDupDataGroup &g) { return g.groupName.toLower(); }, std::less<>());
    else if (tag == 2)
        by([](const ORDupDataGroup &g) { return g.groupItems.size(); }, std::greater<>());
}

QVariant DupGroupModel::data(const QModelIndex &index, int role) const
{
    const ORDupDataGroup *g = group(index.row());
    if (!g)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return displayName(*g);
    case Qt::ToolTipRole:
    case PathRole: return g->groupPath;
    case IconRole: return Thumbnails::instance().icon(g->groupPath);
    case SizeTextRole: return ORUtility::sizeFormatWithNumber(copySize(*g));
    case ExtraTextRole: return copiesText(*g);
    case CheckImageRole: return isCheckable(*g) ? selection::groupCheckImage(*g) : QStringLiteral("or_select_null");
    case CheckEnabledRole: return isCheckable(*g);
    default: return QVariant();
    }
}

}  // namespace sw
