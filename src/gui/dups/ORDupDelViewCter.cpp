#include "ORDupDelViewCter.h"

#include "DupNotifications.h"
#include "ORDupDataCollection.h"

ORDupDelViewCter::ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORDupDataCollection>(sw::dupnote::kRemove, sw::DupScanPage,
                                                  {sw::RemovalWording::Action::DeleteDuplicates, true}))
{
}
