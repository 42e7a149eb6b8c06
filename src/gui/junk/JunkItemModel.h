#pragma once

#include "GroupItemModel.h"
#include "ORJunkData.h"

namespace sw {

// The item list of the chosen junk category.
class JunkItemModel : public GroupItemModel<ORJunkDataGroup>
{
public:
    using GroupItemModel::GroupItemModel;
};

}  // namespace sw
