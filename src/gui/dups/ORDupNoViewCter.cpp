// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupNoViewCter.h"

#include "core/dups/ORDupDataCollection.h"

ORDupNoViewCter::ORDupNoViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("Duplicates"), tr("No duplicates were found in these folders."), sw::DupScanPage,
                            [] { ORDupDataCollection::shareInstance().startOver(); }})
{
}
