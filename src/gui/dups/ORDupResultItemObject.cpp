#include "ORDupResultItemObject.h"

#include "DupCopyLimit.h"
#include "DupGroupModel.h"
#include "DupItemModel.h"
#include "ORItemTableCellView.h"
#include "ORNotificationCenter.h"
#include "ORTableView.h"
#include "ORUtility.h"
#include "PageStyle.h"
#include "PreviewDialog.h"
#include "RevealInFileManager.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace sw;

ORDupResultItemObject::ORDupResultItemObject(QWidget *parent) : QWidget(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    m_caption = PageStyle::heading(QString(), this, 13);
    m_caption->setObjectName(QStringLiteral("copyCaption"));
    column->addWidget(m_caption);
    m_info = PageStyle::muted(QString(), this, 10);
    column->addWidget(m_info);
    column->addSpacing(6);

    m_model = new DupItemModel(this);
    m_itemTableView = new ORTableView(this);
    m_itemTableView->setObjectName(QStringLiteral("itemTableView"));
    m_itemTableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_itemTableView->setModel(m_model);
    m_cellView = new ORItemTableCellView(m_itemTableView);
    m_cellView->isPreview = true;
    m_itemTableView->setItemDelegate(m_cellView);
    m_itemTableView->setUniformRowHeight(ORItemTableCellView::rowHeight);
    connect(m_cellView, &ORItemTableCellView::checkClicked, this,
            [this](const QModelIndex &index) { clickCheckBox(index.row()); });
    connect(m_cellView, &ORItemTableCellView::openClicked, this,
            [this](const QModelIndex &index) { openDupItemPath(index.row()); });
    connect(m_cellView, &ORItemTableCellView::previewClicked, this,
            [this](const QModelIndex &index) { previewButton(index.row()); });
    column->addWidget(m_itemTableView, 1);

    auto &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, QStringLiteral("dupget"), [this](const QVariant &v) { obtainDups(v); });
    center.addObserver(this, QStringLiteral("nodup"), [this](const QVariant &) { reflashView(); });
    showCaption();
}

ORDupDataGroup *ORDupResultItemObject::dataGroup() const
{
    return m_model->group();
}

void ORDupResultItemObject::obtainDups(const QVariant &object)
{
    const QVariantList list = object.toList();
    if (list.size() <= 2)
        return;
    m_groupRow = list.at(0).toString();
    m_delegate = dynamic_cast<ORDupResultItemObjectDelegate *>(list.at(2).value<QObject *>());
    m_model->setGroup(list.at(1).value<ORDupDataGroup *>());
    showCaption();
}

void ORDupResultItemObject::reflashView()
{
    m_groupRow.clear();
    m_model->setGroup(nullptr);
    showCaption();
}

void ORDupResultItemObject::showCaption()
{
    const ORDupDataGroup *group = m_model->group();
    if (!group) {
        m_caption->setText(tr("No duplicates here"));
        m_info->setText(tr("Choose another kind, or search for another name."));
        return;
    }
    m_caption->setText(DupGroupModel::displayName(*group));
    const QString size = ORUtility::sizeFormatWithNumber(DupGroupModel::copySize(*group));
    m_info->setText(group->groupItems.size() == 1
                        ? tr("1 copy of %1; its other copies may not be deleted.").arg(size)
                        : tr("%1 copies of %2 each; one copy is always kept.").arg(group->groupItems.size()).arg(size));
}

void ORDupResultItemObject::reloadItems()
{
    m_model->refresh();
}

void ORDupResultItemObject::clickCheckBox(int row)
{
    ORDupDataGroup *group = m_model->group();
    const qsizetype i = m_model->itemIndex(row);
    if (!group || i < 0)
        return;
    if (!DupCopyLimit::setCopyMarked(*group, i, !group->groupItems.at(i).isDel))
        return;  // the copy limit, or a group that cannot be selected
    m_model->refresh();
    if (m_delegate)
        m_delegate->updateDupGroupCheckStatus(m_groupRow.toInt(), row);
}

void ORDupResultItemObject::openDupItemPath(int row)
{
    const qsizetype i = m_model->itemIndex(row);
    if (m_model->group() && i >= 0)
        RevealInFileManager::reveal(m_model->group()->groupItems.at(i).itemPath);
}

void ORDupResultItemObject::previewButton(int row)
{
    const qsizetype i = m_model->itemIndex(row);
    if (!m_model->group() || i < 0)
        return;
    m_itemPath = m_model->group()->groupItems.at(i).itemPath;
    PreviewDialog::toggle(m_itemPath, this);
}
