#include "JunkGroupModel.h"

#include "ORImage.h"

namespace sw {

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

QIcon JunkGroupModel::groupIcon(const ORJunkDataGroup &group) const
{
    return ORImage::icon(iconNameForGroupID(group.groupID));
}

}  // namespace sw
