#pragma once

#include "GroupItemModel.h"
#include "ORJunkData.h"

namespace sw {

// The item list of the chosen junk category.
using JunkItemModel = GroupItemModel<ORJunkDataGroup>;

}  // namespace sw
