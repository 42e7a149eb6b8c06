#include "ORBigNoVeiwCter.h"

#include "ORBigDataCollection.h"

ORBigNoVeiwCter::ORBigNoVeiwCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : NothingFoundPage(delegate, parent,
                       Tool{tr("Large Files"), tr("No Data Found!"), sw::LargeScanPage,
                            [] { ORBigDataCollection::shareInstance().startOver(); }})
{
}
