// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORBigData.h"
#include "gui/shell/GroupItemModel.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The file list of the listed size band.
using BigItemModel = GroupItemModel<ORBigDataGroup, WholeGroups>;

}  // namespace sw
