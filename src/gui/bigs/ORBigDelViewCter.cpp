#include "ORBigDelViewCter.h"

#include "ORBigDataCollection.h"

ORBigDelViewCter::ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool(QStringLiteral("delbigfiles"), 17, tr("Moved to the Trash"),
                             tr("Some items could not be moved to the Trash"), &ORBigDataCollection::deleteBigs))
{
}
