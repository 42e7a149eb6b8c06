#include "JunkGroupModel.h"

#include "ORCellRoles.h"
#include "ORImage.h"
#include "ORSelection.h"
#include "ORUtility.h"

namespace sw {

void JunkGroupModel::setJunkData(std::shared_ptr<ORJunkData> data)
{
    beginResetModel();
    m_data = std::move(data);
    endResetModel();
}

ORJunkDataGroup *JunkGroupModel::group(int row) const
{
    if (!m_data || row < 0 || row >= m_data->junkGroups.size())
        return nullptr;
    return &m_data->junkGroups[row];
}

void JunkGroupModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int JunkGroupModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_data ? 0 : int(m_data->junkGroups.size());
}

QString JunkGroupModel::iconNameForGroupID(qint64 groupID)
{
    switch (groupID) {
    case 0: return QStringLiteral("or_cache_icon");
    case 1: return QStringLiteral("or_leftover");
    case 2: return QStringLiteral("or_syscache");
    case 3: return QStringLiteral("or_log_icon");
    case 6: return QStringLiteral("or_trash_icon");
    case 7: return QStringLiteral("or_safari_icon");
    case 8: return QStringLiteral("or_download_icon");
    case 9: return QStringLiteral("or_itunes_icon");
    case 10: return QStringLiteral("or_mail_icon");
    case 11: return QStringLiteral("or_cm_language");
    case 12: return QStringLiteral("ios_software_update");
    case 13: return QStringLiteral("ios_backup");
    case 14: return QStringLiteral("or_xcode_icon");
    default: return QString();
    }
}

QVariant JunkGroupModel::data(const QModelIndex &index, int role) const
{
    const ORJunkDataGroup *g = group(index.row());
    if (!g)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case NameRole: return g->groupName;
    case Qt::ToolTipRole: return g->groupInfo;
    case IconRole: return ORImage::icon(iconNameForGroupID(g->groupID));
    case SizeTextRole: return ORUtility::sizeFormatWithNumber(g->groupSize);
    case CheckImageRole: return selection::groupCheckImage(*g);
    case CheckEnabledRole: return selection::isGroupCheckable(*g);
    default: return QVariant();
    }
}

}  // namespace sw
