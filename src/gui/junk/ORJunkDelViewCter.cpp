#include "ORJunkDelViewCter.h"

#include "JunkNotifications.h"
#include "ORJunkFilesCollection.h"

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORJunkFilesCollection>(sw::junknote::kRemove, sw::JunkScanPage,
                                                    {sw::RemovalWording::Action::DeleteJunk, false}))
{
}
