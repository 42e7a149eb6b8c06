#include "gui/junk/ORJunkDelViewCter.h"

#include "core/junk/ORJunkFilesCollection.h"

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORJunkFilesCollection>(sw::JunkScanPage,
                                                    {sw::RemovalWording::Action::DeleteJunk, false}))
{
}
