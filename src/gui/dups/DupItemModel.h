// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/dups/KeepOneCopy.h"
#include "gui/shell/GroupItemModel.h"

namespace sw {

// The copy list: the copies of one group, in the group's order, each with
// the folder it lies in and its modification date. The box of a copy that
// must stay (the one unselected copy) is disabled.
class DupItemModel : public GroupItemModel<ORDupDataGroup, KeepOneCopy>
{
    Q_OBJECT
public:
    explicit DupItemModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
    // A modification time (ms since the epoch) as the user's locale writes
    // a short date and time.
    static QString modDateText(qint64 msSinceEpoch);
};

}  // namespace sw
