// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/junk/ORNoJunkViewCter.h"

#include "core/junk/ORJunkFilesCollection.h"

ORNoJunkViewCter::ORNoJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("No category was scanned"), tr("Choose the kinds of junk to look for in Preferences, under Junk Clean."),
                            sw::JunkScanPage, [] { ORJunkFilesCollection::shareInstance().startOver(); }})
{
}
