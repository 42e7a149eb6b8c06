#include "BigGroupModel.h"

#include "ORImage.h"

#include <QCoreApplication>

namespace sw {

QString BigGroupModel::iconNameForBigID(qint64 bigID)
{
    switch (bigID) {
    case 4: return QStringLiteral("or_big_icon64");
    case 3: return QStringLiteral("or_big_icon128");
    case 2: return QStringLiteral("or_big_icon256");
    case 1: return QStringLiteral("or_big_icon512");
    case 0: return QStringLiteral("or_big_icon1GB");
    default: return QString();
    }
}

QIcon BigGroupModel::groupIcon(const ORBigDataGroup &group) const
{
    return ORImage::icon(iconNameForBigID(group.bigID));
}

QString BigGroupModel::groupExtraText(const ORBigDataGroup &group) const
{
    const qsizetype count = group.groupItems.size();
    return count == 1 ? QCoreApplication::translate("ORBigResultViewCter", "1 file")
                      : QCoreApplication::translate("ORBigResultViewCter", "%1 files").arg(count);
}

}  // namespace sw
