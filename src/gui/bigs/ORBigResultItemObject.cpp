#include "ORBigResultItemObject.h"

#include "ORItemTableCellView.h"
#include "ORNotificationCenter.h"
#include "PreviewDialog.h"

using namespace sw;

ORBigResultItemObject::ORBigResultItemObject(QWidget *parent) : ResultItemList(new BigItemModel, parent)
{
    m_model = static_cast<BigItemModel *>(listModel());
    cellView()->isBigFile = true;
    connect(cellView(), &ORItemTableCellView::previewClicked, this,
            [this](const QModelIndex &index) { previewButton(index.row()); });
    ORNotificationCenter::defaultCenter().addObserver(this, QStringLiteral("bigget"),
                                                      [this](const QVariant &v) { obtainBigs(v); });
}

ORBigDataGroup *ORBigResultItemObject::dataGroup() const
{
    return m_model->group();
}

void ORBigResultItemObject::obtainBigs(const QVariant &object)
{
    if (QObject *page = showAnnounced(object, m_model))
        m_delegate = dynamic_cast<ORBigResultItemObjectDelegate *>(page);
}

void ORBigResultItemObject::itemMarkChanged(int groupRow, int itemRow)
{
    if (m_delegate)
        m_delegate->updateBigGroupCheckStatus(groupRow, itemRow);
}

void ORBigResultItemObject::previewButton(int row)
{
    const QString path = m_model->itemPath(row);
    if (path.isEmpty())
        return;
    m_itemPath = path;
    PreviewDialog::toggle(path, window());
}
