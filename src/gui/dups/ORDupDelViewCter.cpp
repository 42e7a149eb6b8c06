// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupDelViewCter.h"

#include "core/dups/ORDupDataCollection.h"

ORDupDelViewCter::ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORDupDataCollection>(sw::DupScanPage,
                                                  {sw::RemovalWording::Action::DeleteDuplicates, true}))
{
}
