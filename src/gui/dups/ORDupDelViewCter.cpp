#include "ORDupDelViewCter.h"

#include "ORDupDataCollection.h"

ORDupDelViewCter::ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORDupDataCollection>(sw::DupScanPage,
                                                  {sw::RemovalWording::Action::DeleteDuplicates, true}))
{
}
