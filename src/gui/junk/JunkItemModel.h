#pragma once

#include "GroupItemModel.h"
#include "ORJunkData.h"
#include "WholeGroups.h"

namespace sw {

// The item list of the chosen junk category.
using JunkItemModel = GroupItemModel<ORJunkDataGroup, WholeGroups>;

}  // namespace sw
