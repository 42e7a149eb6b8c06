// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORJunkData.h"
#include "gui/shell/GroupItemModel.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The item list of the chosen junk category.
using JunkItemModel = GroupItemModel<ORJunkDataGroup, WholeGroups>;

}  // namespace sw
