#include "ORUninstDelViewCter.h"

#include "AppNotifications.h"
#include "ORAppDataCollection.h"

using namespace sw;

ORUninstDelViewCter::ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORAppDataCollection>(appnote::kRemove, UninstallerPage,
                                                  {RemovalWording::Action::Uninstall, kOwnItemsToTrash}))
{
}
