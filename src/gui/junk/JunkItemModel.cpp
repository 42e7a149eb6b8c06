#include "JunkItemModel.h"

#include "ORCellRoles.h"
#include "ORImage.h"
#include "ORSelection.h"
#include "ORUtility.h"

#include <QFileIconProvider>
#include <QFileInfo>

namespace sw {

void JunkItemModel::setGroup(ORJunkDataGroup *group, const QString &searchText)
{
    beginResetModel();
    m_group = group;
    m_listed = group ? selection::applySearch(*group, searchText) : QList<qsizetype>();
    endResetModel();
}

qsizetype JunkItemModel::itemIndex(int row) const
{
    return row >= 0 && row < m_listed.size() ? m_listed.at(row) : -1;
}

void JunkItemModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int JunkItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listed.size());
}

QString JunkItemModel::iconNameForPath(const QString &path)
{
    if (path.contains(QLatin1String("Safari")))
        return QStringLiteral("or_safari_blue");
    if (path.contains(QLatin1String("Chrome")) || path.contains(QLatin1String("google-chrome"))
        || path.contains(QLatin1String("chromium")))
        return QStringLiteral("or_chrom_blue");
    if (path.contains(QLatin1String("Firefox")) || path.contains(QLatin1String("firefox")))
        return QStringLiteral("or_firefox_blue");
    return QString();
}

QVariant JunkItemModel::data(const QModelIndex &index, int role) const
{
    const qsizetype i = itemIndex(index.row());
    if (!m_group || i < 0)
        return QVariant();
    const ORjunkDataItem &item = m_group->groupItems.at(i);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return item.itemPath.section(QLatin1Char('/'), -1);
    case PathRole:
    case Qt::ToolTipRole: return item.itemPath;
    case IconRole: {
        const QString named = iconNameForPath(item.itemPath);
        if (!named.isEmpty())
            return ORImage::icon(named);
        static const QFileIconProvider provider;
        return provider.icon(QFileInfo(item.itemPath));
    }
    case SizeTextRole: return ORUtility::sizeFormatWithNumber(item.itemSize);
    case CheckImageRole: return selection::itemCheckImage(*m_group, item);
    case CheckEnabledRole: return selection::isGroupCheckable(*m_group);
    default: return QVariant();
    }
}

}  // namespace sw
