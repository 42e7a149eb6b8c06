#include "ORJunkDelViewCter.h"

#include "ORJunkFilesCollection.h"

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(delegate, parent,
                  engineTool(QStringLiteral("deljunks"), 1, tr("Cleaning complete"),
                             tr("Cleaning finished, but some items could not be removed"),
                             &ORJunkFilesCollection::deleteJunks))
{
}
