// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigResultViewCter.h"

#include "core/bigs/BigNotifications.h"

using namespace sw;

ORBigResultViewCter::ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::DeleteLargeFiles, true, LargeScanPage,
                        LargeRemovalPage},
                       tr("File Sizes"),
                       bignote::kShowGroup})
{
}

void ORBigResultViewCter::updateBigGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}

int ORBigResultViewCter::openingRow() const
{
    // Band 0 holds the largest files; the result lists only bands with files.
    int best = 0;
    for (int row = 1; row < groupModel()->rowCount(); ++row)
        if (groupModel()->group(row)->bigID < groupModel()->group(best)->bigID)
            best = row;
    return best;
}
