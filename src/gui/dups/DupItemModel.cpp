// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupItemModel.h"

#include "core/foundation/ORUtility.h"
#include "gui/preview/Thumbnails.h"

#include <QDateTime>
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

QString DupItemModel::modDateText(qint64 msSinceEpoch)
{
    return ORUtility::stringShortFromDate(QDateTime::fromMSecsSinceEpoch(msSinceEpoch));
}

QVariant DupItemModel::data(const QModelIndex &index, int role) const
{
    const qsizetype i = itemIndex(index.row());
    if (!group() || i < 0)
        return QVariant();
    const ORDupDataItem &item = group()->groupItems.at(i);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return item.itemPath.section(QLatin1Char('/'), -1);
    // Copies mostly share their name: the folder and the date tell them
    // apart, and are what the keep rules judge.
    case PathRole: return displayPath(QFileInfo(item.itemPath).path());
    case DateTextRole: return modDateText(item.itemModTime);
    case Qt::ToolTipRole:
        if (item.isReference)
            return tr("%1\nIn a reference folder: this copy is an original and is never selected.")
                .arg(item.itemPath);
        if (item.isTooNew)
            return tr("%1\nModified more recently than the scan's age limit: this copy stays and is never "
                      "selected.")
                .arg(item.itemPath);
        return KeepOneCopy::isItemCheckable(*group(), i) || item.isDel
                   ? item.itemPath
                   : tr("%1\nOne copy of every file is always kept.").arg(item.itemPath);
    case IconRole: return Thumbnails::instance().icon(item.itemPath);
    //: Beside a copy in a folder of originals; short
    case BadgeRole: return item.isReference ? tr("Reference") : QVariant();
    default: return GroupItemModel::data(index, role);
    }
}

}  // namespace sw
