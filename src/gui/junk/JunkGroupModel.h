// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORJunkData.h"
#include "gui/shell/GroupListModel.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The category table of the junk result page: one row per group.
class JunkGroupModel : public GroupListModel<ORJunkData, &ORJunkData::junkGroups, WholeGroups>
{
public:
    using GroupListModel::GroupListModel;

    static QString iconNameForGroupID(qint64 groupID);

protected:
    QIcon groupIcon(const ORJunkDataGroup &group) const override;
};

}  // namespace sw
