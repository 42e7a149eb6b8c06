// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigDelViewCter.h"

#include "core/bigs/ORBigDataCollection.h"

ORBigDelViewCter::ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORBigDataCollection>(sw::LargeScanPage,
                                                  {sw::RemovalWording::Action::DeleteLargeFiles, true}))
{
}
