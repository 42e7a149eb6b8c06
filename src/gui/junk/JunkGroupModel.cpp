// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/junk/JunkGroupModel.h"

#include "core/junk/ORJunkCategory.h"
#include "gui/controls/ORImage.h"

namespace sw {

QString JunkGroupModel::iconNameForGroupID(qint64 groupID)
{
    return ORJunkCategory::iconNameOf(groupID);
}

QIcon JunkGroupModel::groupIcon(const ORJunkDataGroup &group) const
{
    return ORImage::icon(iconNameForGroupID(group.groupID));
}

}  // namespace sw
