// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigNoVeiwCter.h"

#include "core/bigs/ORBigDataCollection.h"

ORBigNoVeiwCter::ORBigNoVeiwCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("Large Files"), tr("No large files were found in these folders."), sw::LargeScanPage,
                            [] { ORBigDataCollection::shareInstance().startOver(); }})
{
}
