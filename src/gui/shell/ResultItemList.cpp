// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ResultItemList.h"

#include "core/foundation/KeepList.h"
#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/controls/ORTableView.h"
#include "gui/preview/PreviewDialog.h"
#include "gui/shell/ItemListModel.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/RevealInFileManager.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

namespace sw {

ResultItemList::ResultItemList(ItemListModel *model, QWidget *parent) : QWidget(parent), m_model(model)
{
    m_model->setParent(this);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    auto *tools = new QHBoxLayout;
    m_searchField = new QLineEdit(this);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    PageStyle::searchField(m_searchField);
    nameSearchField(m_searchField, tr("Search the items"));
    connect(m_searchField, &QLineEdit::textChanged, this, &ResultItemList::startSearch);
    m_sortPopButton = new QComboBox(this);
    m_sortPopButton->setObjectName(QStringLiteral("sortPopButton"));
    m_sortPopButton->setAccessibleName(tr("Sort the items"));
    m_sortPopButton->addItem(tr("Sort by Size"), 0);
    m_sortPopButton->addItem(tr("Sort by Name"), 1);
    connect(m_sortPopButton, &QComboBox::activated, this,
            [this](int index) { sortChanged(m_sortPopButton->itemData(index).toInt()); });
    tools->addWidget(m_searchField, 1);
    tools->addWidget(m_sortPopButton);
    column->addLayout(tools);

    m_itemTableView = new ORTableView(this);
    m_itemTableView->setObjectName(QStringLiteral("itemTableView"));
    m_itemTableView->setAccessibleName(tr("Items"));
    m_itemTableView->setSelectionMode(QAbstractItemView::NoSelection);
    m_itemTableView->setModel(m_model);
    m_cellView = new ORItemTableCellView(m_itemTableView);
    m_itemTableView->setItemDelegate(m_cellView);
    m_itemTableView->setUniformRowHeight(ORItemTableCellView::rowHeight);
    connect(m_cellView, &ORItemTableCellView::checkClicked, this,
            [this](const QModelIndex &index) { clickCheckBox(index.row()); });
    connect(m_cellView, &ORItemTableCellView::openClicked, this,
            [this](const QModelIndex &index) { revealItem(index.row()); });
    connect(m_cellView, &ORItemTableCellView::previewClicked, this,
            [this](const QModelIndex &index) { previewButton(index.row()); });
    // The right button and the keyboard's menu key.
    m_itemTableView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_itemTableView, &QWidget::customContextMenuRequested, this, &ResultItemList::showItemMenu);
    column->addWidget(m_itemTableView, 1);
}

void ResultItemList::showItemMenu(const QPoint &pos)
{
    // The menu key gives no row under a pointer: the current row then.
    QModelIndex index = m_itemTableView->indexAt(pos);
    if (!index.isValid())
        index = m_itemTableView->currentIndex();
    if (!index.isValid() || m_model->itemPath(index.row()).isEmpty())
        return;
    const int row = index.row();
    QMenu menu(this);
    menu.setAccessibleName(tr("Item menu"));
    menu.addAction(tr("Never Touch This"), this, [this, row] { neverTouch(row); });
    const QRect rect = m_itemTableView->visualRect(index);
    menu.exec(m_itemTableView->viewport()->mapToGlobal(rect.contains(pos) ? pos : rect.center()));
}

void ResultItemList::neverTouch(int row)
{
    const QString path = m_model->itemPath(row);
    if (path.isEmpty())
        return;
    KeepList::addStored(path);
    if (!m_model->dropItem(row))
        return;
    m_model->setSearchText(m_searchField->text());
    emit itemDropped();
}

void ResultItemList::showGroup(const QString &groupRow)
{
    m_groupRow = groupRow;
    {
        const QSignalBlocker block(m_searchField);
        m_searchField->clear();
    }
    sortChanged(m_sortPopButton->currentData().toInt());
    groupShown();
}

void ResultItemList::setItemToolsShown(bool shown)
{
    m_searchField->setVisible(shown);
    m_sortPopButton->setVisible(shown);
}

void ResultItemList::startSearch(const QString &text)
{
    m_model->setSearchText(text);
    emit searchChanged();
}

void ResultItemList::sortChanged(int tag)
{
    m_model->sortItems(tag, m_searchField->text());
}

void ResultItemList::reloadItems()
{
    m_model->refresh();
}

void ResultItemList::clickCheckBox(int row)
{
    if (m_model->toggleItem(row))
        itemMarkChanged(m_groupRow.toInt(), row);
}

void ResultItemList::revealItem(int row)
{
    const QString path = m_model->itemPath(row);
    if (!path.isEmpty())
        RevealInFileManager::reveal(path);
}

void ResultItemList::previewButton(int row)
{
    const QString path = m_model->itemPath(row);
    if (path.isEmpty())
        return;
    m_itemPath = path;
    PreviewDialog::toggle(path, window());
}

}  // namespace sw
