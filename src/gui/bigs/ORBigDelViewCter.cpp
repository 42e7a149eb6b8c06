#include "ORBigDelViewCter.h"

#include "BigNotifications.h"
#include "ORBigDataCollection.h"

ORBigDelViewCter::ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORBigDataCollection>(sw::bignote::kRemove, sw::LargeScanPage,
                                                  tr("Moved to the Trash"),
                                                  tr("Some items could not be moved to the Trash")))
{
}
