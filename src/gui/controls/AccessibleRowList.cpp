// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/AccessibleRowList.h"

#include "gui/controls/AccessibleRow.h"
#include "gui/controls/ORTableView.h"

namespace sw {

AccessibleRowList::AccessibleRowList(ORTableView *view) : QAccessibleWidget(view, QAccessible::List) {}

AccessibleRowList::~AccessibleRowList()
{
    for (QAccessible::Id id : std::as_const(m_rows))
        QAccessible::deleteAccessibleInterface(id);
}

ORTableView *AccessibleRowList::view() const
{
    return static_cast<ORTableView *>(widget());
}

int AccessibleRowList::childCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

QAccessibleInterface *AccessibleRowList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_rows.constFind(index);
    if (found != m_rows.cend())
        return QAccessible::accessibleInterface(*found);
    QAccessibleInterface *row = new AccessibleRow(view(), index);
    m_rows.insert(index, QAccessible::registerAccessibleInterface(row));
    return row;
}

int AccessibleRowList::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_rows.cbegin(); it != m_rows.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    return -1;
}

QAccessibleInterface *AccessibleRowList::childAt(int x, int y) const
{
    const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
    return view()->viewport()->rect().contains(local) ? child(view()->rowAt(local.y())) : nullptr;
}

QAccessibleInterface *AccessibleRowList::focusChild() const
{
    return view()->hasFocus() ? child(view()->currentIndex().row()) : nullptr;
}

} // namespace sw
