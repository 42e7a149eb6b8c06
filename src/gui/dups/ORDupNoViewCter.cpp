#include "ORDupNoViewCter.h"

#include "ORDupDataCollection.h"

ORDupNoViewCter::ORDupNoViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("Duplicates"), tr("No Data Found!"), 13,
                            [] { ORDupDataCollection::shareInstance().startOver(); }})
{
}
