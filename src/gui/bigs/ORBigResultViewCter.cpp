#include "ORBigResultViewCter.h"

#include "BigNotifications.h"

using namespace sw;

ORBigResultViewCter::ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::DeleteLargeFiles, true, bignote::kRemove, LargeScanPage,
                        LargeRemovalPage},
                       tr("File Sizes"),
                       bignote::kShowGroup})
{
}

void ORBigResultViewCter::updateBigGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
