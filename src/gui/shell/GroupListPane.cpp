// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/GroupListPane.h"

#include "gui/controls/ORTableCellView.h"
#include "gui/controls/ORTableView.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/PageStyle.h"

#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace sw {

GroupListPane::GroupListPane(const QString &title, QAbstractItemModel *model, ExtendedTableViewDelegate *rowDelegate,
                             QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("groupPane"));
    setAttribute(Qt::WA_StyledBackground);
    ThemeFollower::style(
        this, QStringLiteral("#groupPane { background:@pane; border-right:1px solid @separator; }"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 16, 0, 0);
    auto *heading = PageStyle::heading(title, this, 13);
    heading->setContentsMargins(16, 0, 0, 6);
    m_header = heading;
    column->addWidget(heading);
    m_tableView = new ORTableView(this);
    m_tableView->setObjectName(QStringLiteral("gTableView"));
    // A page that puts tools in place of the title names the list itself.
    m_tableView->setAccessibleName(title);
    m_tableView->setModel(model);
    m_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tableView->eDelegate = rowDelegate;
    setCellView(new ORTableCellView(m_tableView), ORTableCellView::rowHeight);
    column->addWidget(m_tableView, 1);
    connect(model, &QAbstractItemModel::modelReset, this, &GroupListPane::fitWidth);
    connect(model, &QAbstractItemModel::layoutChanged, this, &GroupListPane::fitWidth);
}

// 350 pixels, wider when the rows' names need it (a larger font, a longer
// language), up to half as much again: names that can be of any length (an
// application's, a file's) are elided there, with the whole in a tooltip.
void GroupListPane::fitWidth()
{
    constexpr int kWidth = 350;
    const int rows = m_tableView->widestRow() + m_tableView->verticalScrollBar()->sizeHint().width();
    setFixedWidth(qBound(kWidth, rows, kWidth * 3 / 2));
}

void GroupListPane::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidth();
}

void GroupListPane::setHeader(QWidget *header)
{
    delete layout()->replaceWidget(m_header, header);
    delete m_header;
    m_header = header;
}

void GroupListPane::setCellView(ORTableCellView *cellView, int rowHeight)
{
    ORTableCellView *old = m_cellView;
    m_cellView = cellView;
    m_tableView->setItemDelegate(m_cellView);
    delete old;
    m_tableView->setUniformRowHeight(rowHeight);
    connect(m_cellView, &ORTableCellView::checkClicked, this,
            [this](const QModelIndex &index) { emit checkClicked(index.row()); });
    fitWidth();
}

void GroupListPane::selectRow(int row)
{
    if (row >= 0 && row < m_tableView->model()->rowCount())
        m_tableView->selectRow(row);
}

}  // namespace sw
