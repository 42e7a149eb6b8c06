#include "ORJunkDelViewCter.h"

#include "JunkNotifications.h"
#include "ORJunkFilesCollection.h"

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORJunkFilesCollection>(
                      sw::junknote::kRemove, sw::JunkScanPage, tr("Cleaning complete"),
                      tr("Cleaning finished, but some items could not be removed")))
{
}
