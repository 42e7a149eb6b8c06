#include "JunkGroupModel.h"

#include "ORImage.h"
#include "ORJunkCategory.h"

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
