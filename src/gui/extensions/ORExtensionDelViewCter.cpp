#include "ORExtensionDelViewCter.h"

#include "ExtNotifications.h"
#include "ORExtDataCollection.h"
#include "RemovedItemList.h"

#include <QVBoxLayout>

using namespace sw;

ORExtensionDelViewCter::ORExtensionDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(
          delegate, parent,
          engineTool<ORExtDataCollection>(extnote::kRemove, ExtensionsPage, tr("Removal complete"),
                                          tr("Removal finished, but some items could not be removed")))
{
    m_groupTableView = new RemovedItemList(removeSizeView());
    m_groupTableView->setMinimumHeight(160);
    m_groupTableView->hide();
    static_cast<QVBoxLayout *>(removeSizeView()->layout())->addWidget(m_groupTableView, 1);
    // Connected after the page's own handler: the record is complete by then.
    connect(runner(), &JobRunner::removalFinished, this, [this] {
        m_groupTableView->showItems(ORExtDataCollection::shareInstance().delGroup().groupItems);
    });
}
