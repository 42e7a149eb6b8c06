// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderTableCard.h"

#include "gui/controls/ORFolderTableCellView.h"
#include "gui/controls/ORTableView.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/PageStyle.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sw {

FolderTableCard::FolderTableCard(const QString &title, QAbstractItemModel *model, QWidget *parent)
    : QWidget(parent), m_table(new ORTableView(this)), m_column(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("folderCard"));
    setAttribute(Qt::WA_StyledBackground);
    // The table lies on the card in its colour, not in the palette's base.
    ThemeFollower::style(this, QStringLiteral("#folderCard { background:@card; border:1px solid @border;"
                                              " border-radius:14px; }"
                                              "#folderTableView { background:@card; }"));
    m_column->setContentsMargins(6, 12, 6, 6);
    auto *heading = PageStyle::heading(title, this, 12);
    heading->setContentsMargins(10, 0, 0, 4);
    m_column->addWidget(heading);
    m_table->setObjectName(QStringLiteral("folderTableView"));
    m_table->setAccessibleName(title);
    m_table->setModel(model);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setAlternatingRowColors(false);
    // Tab leaves the list for the next control instead of walking its cells.
    m_table->setTabKeyNavigation(false);
    auto *cell = new ORFolderTableCellView(m_table);
    m_table->setItemDelegate(cell);
    m_table->setUniformRowHeight(ORFolderTableCellView::rowHeight);
    connect(cell, &ORFolderTableCellView::closeClicked, this,
            [this](const QModelIndex &index) { emit closeClicked(index.row()); });
    connect(cell, &ORFolderTableCellView::referenceClicked, this,
            [this](const QModelIndex &index) { emit referenceClicked(index.row()); });
    m_column->addWidget(m_table, 1);
}

}  // namespace sw
