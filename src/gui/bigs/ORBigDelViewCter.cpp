#include "ORBigDelViewCter.h"

#include "ORBigDataCollection.h"

ORBigDelViewCter::ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORBigDataCollection>(sw::LargeScanPage,
                                                  {sw::RemovalWording::Action::DeleteLargeFiles, true}))
{
}
