// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORTableView.h"

#include <QAccessible>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ExtendedTableViewDelegate.h"

ORTableView::ORTableView(QWidget *parent)
    : QTableView(parent)
{
    sw::installAccessibleControls();
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

void ORTableView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                              const QList<int> &roles)
{
    QTableView::dataChanged(topLeft, bottomRight, roles);
    if (!QAccessible::isActive() || !isVisible())
        return;
    // A check image may have changed. Told for the rows in view only: a click
    // repaints every row of a list that may be long.
    const int first = qMax(topLeft.row(), rowAt(0));
    const int lastShown = rowAt(viewport()->height() - 1);
    const int last = lastShown < 0 ? bottomRight.row() : qMin(bottomRight.row(), lastShown);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessible::State changed;
    changed.checked = true;
    changed.checkStateMixed = true;
    for (int row = qMax(0, first); row <= last; ++row)
        if (QAccessibleInterface *item = list->child(row)) {
            QAccessibleStateChangeEvent event(item, changed);
            QAccessible::updateAccessibility(&event);
        }
}
