// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORTableView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "gui/controls/ExtendedTableViewDelegate.h"

ORTableView::ORTableView(QWidget *parent)
    : QTableView(parent)
{
    setShowGrid(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setWordWrap(false);
    // The row delegates show their buttons for the row under the pointer.
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
}

void ORTableView::setUniformRowHeight(int height)
{
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}

void ORTableView::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(qRound(event->position().y()));
    {
        const QScopedValueRollback pressing(m_handlingPress, row != -1 && eDelegate);
        QTableView::mousePressEvent(event);
    }
    if (row != -1 && eDelegate)
        eDelegate->tableView(this, row);
}
