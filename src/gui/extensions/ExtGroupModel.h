// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORExtData.h"
#include "gui/shell/GroupListModel.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The category table of the extensions page: one row per category, in the
// engine's order, with the category's image.
class ExtGroupModel : public GroupListModel<ORExtData, &ORExtData::extGroups, WholeGroups>
{
public:
    using GroupListModel::GroupListModel;

    static QString iconNameForGroupID(qint64 groupID);

protected:
    QIcon groupIcon(const ORExtGroup &group) const override;
};

}  // namespace sw
