// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/extensions/ORExtensionDelViewCter.h"

#include "core/extensions/ORExtDataCollection.h"

using namespace sw;

ORExtensionDelViewCter::ORExtensionDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORExtDataCollection>(ExtensionsPage,
                                                  {RemovalWording::Action::RemoveExtensions, false}))
{
}
