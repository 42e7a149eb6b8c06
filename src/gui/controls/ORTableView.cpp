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

// QTableView tells these with its own numbering of the children, the
// headers' among them (hidden or not); ours are the rows alone
// (AccessibleRowList), so the events name the row. QTableView does nothing
// else here.
void ORTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
    QAbstractItemView::currentChanged(current, previous);
}

void ORTableView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        const auto tell = [this](const QItemSelection &rows, QAccessible::Event type) {
            for (const QModelIndex &index : rows.indexes()) {
                if (index.column() != 0)
                    continue;
                QAccessibleEvent event(this, type);
                event.setChild(index.row());
                QAccessible::updateAccessibility(&event);
            }
        };
        tell(selected, QAccessible::SelectionAdd);
        tell(deselected, QAccessible::SelectionRemove);
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}
