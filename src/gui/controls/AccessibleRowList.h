// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class ORTableView;

namespace sw {

// An ORTableView as a list whose children are its rows (AccessibleRow), one
// per model row, numbered as the view numbers them in its focus events.
class AccessibleRowList : public QAccessibleWidget
{
public:
    explicit AccessibleRowList(ORTableView *view);
    ~AccessibleRowList() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    ORTableView *view() const;

    // Made on first use and kept while the view lives: assistive technology
    // holds on to the ids it was given.
    mutable QHash<int, QAccessible::Id> m_rows;
};

} // namespace sw
