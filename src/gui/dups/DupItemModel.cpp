#include "DupItemModel.h"

#include "Thumbnails.h"

#include <QFileInfo>

namespace sw {

DupItemModel::DupItemModel(QObject *parent) : GroupItemModel(parent)
{
    connect(&Thumbnails::instance(), &Thumbnails::ready, this, [this](const QString &path) {
        for (int row = 0; row < rowCount(); ++row)
            if (itemPath(row) == path)
                emit dataChanged(index(row), index(row), {IconRole});
    });
}

QVariant DupItemModel::data(const QModelIndex &index, int role) const
{
    const qsizetype i = itemIndex(index.row());
    if (!group() || i < 0)
        return QVariant();
    const ORDupDataItem &item = group()->groupItems.at(i);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        // Copies share their name; where each one lies tells them apart.
        return QStringLiteral("%1  \u2014  %2").arg(item.itemName, displayPath(QFileInfo(item.itemPath).path()));
    case Qt::ToolTipRole:
        return KeepOneCopy::isItemCheckable(*group(), i) || item.isDel
                   ? item.itemPath
                   : tr("%1\nOne copy of every file is always kept.").arg(item.itemPath);
    case IconRole: return Thumbnails::instance().icon(item.itemPath);
    default: return GroupItemModel::data(index, role);
    }
}

}  // namespace sw
