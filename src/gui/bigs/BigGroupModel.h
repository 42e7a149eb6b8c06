// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORBigData.h"
#include "gui/shell/GroupListModel.h"
#include "gui/shell/WholeGroups.h"

namespace sw {

// The size bands of the large-file result page: one row per band, with the
// band's image ("or_big_icon64" for band 4, 32-128 MiB, ... "or_big_icon1GB"
// for band 0) and the number of its files under the name.
class BigGroupModel : public GroupListModel<ORBigData, &ORBigData::bigGroups, WholeGroups>
{
public:
    using GroupListModel::GroupListModel;

protected:
    QIcon groupIcon(const ORBigDataGroup &group) const override;
    QString groupExtraText(const ORBigDataGroup &group) const override;
};

}  // namespace sw
