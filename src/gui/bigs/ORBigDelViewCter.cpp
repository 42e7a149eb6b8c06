#include "ORBigDelViewCter.h"

#include "BigNotifications.h"
#include "ORBigDataCollection.h"

ORBigDelViewCter::ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORBigDataCollection>(sw::bignote::kRemove, sw::LargeScanPage,
                                                  {sw::RemovalWording::Action::DeleteLargeFiles, true}))
{
}
