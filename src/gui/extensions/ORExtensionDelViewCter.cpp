#include "ORExtensionDelViewCter.h"

#include "ExtNotifications.h"
#include "ORExtDataCollection.h"

using namespace sw;

ORExtensionDelViewCter::ORExtensionDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORExtDataCollection>(extnote::kRemove, ExtensionsPage,
                                                  {RemovalWording::Action::RemoveExtensions, false}))
{
}
