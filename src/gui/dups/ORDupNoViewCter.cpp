#include "ORDupNoViewCter.h"

#include "ORDupDataCollection.h"

ORDupNoViewCter::ORDupNoViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("Duplicates"), tr("No Data Found!"), sw::DupScanPage,
                            [] { ORDupDataCollection::shareInstance().startOver(); }})
{
}
