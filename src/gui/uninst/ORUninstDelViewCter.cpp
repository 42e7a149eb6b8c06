#include "ORUninstDelViewCter.h"

#include "AppNotifications.h"
#include "ORAppDataCollection.h"
#include "RemovedItemList.h"

#include <QVBoxLayout>

using namespace sw;

ORUninstDelViewCter::ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : RemovalPage(
          delegate, parent,
          engineTool<ORAppDataCollection>(appnote::kRemove, UninstallerPage, tr("Uninstall complete"),
                                          tr("Uninstall finished, but some items could not be removed")))
{
    m_groupTableView = new RemovedItemList(removeSizeView());
    m_groupTableView->setMinimumHeight(160);
    m_groupTableView->hide();
    static_cast<QVBoxLayout *>(removeSizeView()->layout())->addWidget(m_groupTableView, 1);
    // Connected after the page's own handler: the record is complete by then.
    connect(runner(), &JobRunner::removalFinished, this, [this] {
        m_groupTableView->showItems(ORAppDataCollection::shareInstance().delGroup().groupItems);
    });
}
