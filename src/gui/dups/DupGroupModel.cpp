// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupGroupModel.h"

#include "gui/preview/Thumbnails.h"

#include <QFileInfo>

#include <algorithm>

namespace sw {

DupGroupModel::DupGroupModel(QObject *parent) : GroupListModel(parent)
{
    connect(&Thumbnails::instance(), &Thumbnails::ready, this, [this](const QString &path) {
        for (int row = 0; row < rowCount(); ++row)
            if (group(row)->groupPath == path)
                emit dataChanged(index(row), index(row), {IconRole});
    });
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

QIcon DupGroupModel::groupIcon(const ORDupDataGroup &group) const
{
    return Thumbnails::instance().icon(group.groupPath);
}

// Copies share their name and size: the row names the file without its
// extension and gives the size of one copy.
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
    case SizeTextRole: return ORUtility::sizeFormatWithNumber(copySize(*g));
    default: return GroupListModel::data(index, role);
    }
}

}  // namespace sw
