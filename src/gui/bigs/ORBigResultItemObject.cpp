#include "ORBigResultItemObject.h"

#include "ORItemTableCellView.h"
#include "PreviewDialog.h"

using namespace sw;

ORBigResultItemObject::ORBigResultItemObject(QWidget *parent) : FamilyItemList(QStringLiteral("bigget"), parent)
{
    cellView()->isBigFile = true;
    connect(cellView(), &ORItemTableCellView::previewClicked, this,
            [this](const QModelIndex &index) { previewButton(index.row()); });
}

void ORBigResultItemObject::previewButton(int row)
{
    const QString path = model()->itemPath(row);
    if (path.isEmpty())
        return;
    m_itemPath = path;
    PreviewDialog::toggle(path, window());
}
