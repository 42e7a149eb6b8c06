#include "DupItemModel.h"

#include "DupCopyLimit.h"
#include "ORCellRoles.h"
#include "ORSelection.h"
#include "ORUtility.h"
#include "Thumbnails.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

DupItemModel::DupItemModel(QObject *parent) : QAbstractListModel(parent)
{
    connect(&Thumbnails::instance(), &Thumbnails::ready, this, [this](const QString &path) {
        for (int row = 0; row < m_listed.size(); ++row)
            if (m_group->groupItems.at(m_listed.at(row)).itemPath == path)
                emit dataChanged(index(row), index(row), {IconRole});
    });
}

void DupItemModel::setGroup(ORDupDataGroup *group)
{
    beginResetModel();
    m_group = group;
    m_listed.clear();
    if (group)
        for (qsizetype i = 0; i < group->groupItems.size(); ++i)
            if (group->groupItems.at(i).isVisible)
                m_listed.append(i);
    endResetModel();
}

QString DupItemModel::displayPath(const QString &path)
{
    const QString home = QDir::homePath();
    if (home.size() > 1 && (path == home || path.startsWith(home + QLatin1Char('/'))))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

qsizetype DupItemModel::itemIndex(int row) const
{
    return row >= 0 && row < m_listed.size() ? m_listed.at(row) : -1;
}

void DupItemModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int DupItemModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_listed.size());
}

QVariant DupItemModel::data(const QModelIndex &index, int role) const
{
    const qsizetype i = itemIndex(index.row());
    if (!m_group || i < 0)
        return QVariant();
    const ORDupDataItem &item = m_group->groupItems.at(i);
    const bool checkable = DupCopyLimit::isCopyCheckable(*m_group, i);
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        // Copies share their name; where each one lies tells them apart.
        return QStringLiteral("%1  \u2014  %2").arg(item.itemName, displayPath(QFileInfo(item.itemPath).path()));
    case PathRole: return item.itemPath;
    case Qt::ToolTipRole:
        return checkable || item.isDel ? item.itemPath
                                       : tr("%1\nOne copy of every file is always kept.").arg(item.itemPath);
    case IconRole: return Thumbnails::instance().icon(item.itemPath);
    case SizeTextRole: return ORUtility::sizeFormatWithNumber(item.itemSize);
    case CheckImageRole:
        // The copy that must stay looks disabled.
        return checkable ? selection::itemCheckImage(*m_group, item) : QStringLiteral("or_select_null");
    case CheckEnabledRole: return checkable;
    default: return QVariant();
    }
}

}  // namespace sw
