// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/BigGroupModel.h"

#include "gui/controls/ORImage.h"

#include <QCoreApplication>

#include <array>

namespace sw {

QIcon BigGroupModel::groupIcon(const ORBigDataGroup &group) const
{
    static const std::array<const char *, 5> byBand{"or_big_icon1GB", "or_big_icon512", "or_big_icon256",
                                                     "or_big_icon128", "or_big_icon64"};
    if (group.bigID < 0 || group.bigID >= qint64(byBand.size()))
        return QIcon();
    return ORImage::icon(QString::fromLatin1(byBand.at(group.bigID)));
}

QString BigGroupModel::groupExtraText(const ORBigDataGroup &group) const
{
    return QCoreApplication::translate("ORBigResultViewCter", "%n file(s)", nullptr, int(group.groupItems.size()));
}

}  // namespace sw
