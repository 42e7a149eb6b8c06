#include "ORNoJunkViewCter.h"

#include "ORJunkFilesCollection.h"

ORNoJunkViewCter::ORNoJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("No category was scanned"), tr("Preferences->Junk Clean: Select category"),
                            sw::JunkScanPage, [] { ORJunkFilesCollection::shareInstance().startOver(); }})
{
}
