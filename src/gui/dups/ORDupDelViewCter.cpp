#include "ORDupDelViewCter.h"

#include "ORDupDataCollection.h"

ORDupDelViewCter::ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool(QStringLiteral("delDup"), 13, tr("Moved to the Trash"),
                             tr("Some items could not be moved to the Trash"), &ORDupDataCollection::deleteDups))
{
}
