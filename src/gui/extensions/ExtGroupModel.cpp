// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/extensions/ExtGroupModel.h"

#include "gui/controls/ORImage.h"

#include <array>

namespace sw {

QString ExtGroupModel::iconNameForGroupID(qint64 groupID)
{
    static const std::array<const char *, 5> byID{"or_extension", "NSPreferencesGeneral",
                                                  "or_InternetPlugins", "or_spotlight", "or_QuickLook"};
    if (groupID < 0 || groupID >= qint64(byID.size()))
        return QString();
    return QString::fromLatin1(byID.at(groupID));
}

QIcon ExtGroupModel::groupIcon(const ORExtGroup &group) const
{
    const QString name = iconNameForGroupID(group.groupID);
    return name.isEmpty() ? QIcon() : ORImage::icon(name);
}

}  // namespace sw
