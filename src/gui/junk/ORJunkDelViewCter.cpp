// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/junk/ORJunkDelViewCter.h"

#include "core/junk/ORJunkFilesCollection.h"

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool<ORJunkFilesCollection>(sw::JunkScanPage,
                                                    {sw::RemovalWording::Action::DeleteJunk, false}))
{
}
