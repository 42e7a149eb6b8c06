#include "ORBigResultViewCter.h"

#include "BigNotifications.h"

using namespace sw;

ORBigResultViewCter::ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{tr("Large Files Clean"), tr("Do you want to delete the selected large files?"),
                        bignote::kRemove, LargeScanPage, LargeRemovalPage},
                       tr("File Sizes"),
                       bignote::kShowGroup})
{
}

void ORBigResultViewCter::updateBigGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
