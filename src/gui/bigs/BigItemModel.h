#pragma once

#include "GroupItemModel.h"
#include "ORBigData.h"
#include "WholeGroups.h"

namespace sw {

// The file list of the listed size band.
using BigItemModel = GroupItemModel<ORBigDataGroup, WholeGroups>;

}  // namespace sw
