// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class ORTableView;

namespace sw {

// One row of an ORTableView as assistive technology sees it. The rows are
// painted by a delegate, check box and buttons included, so Qt's own cells
// would report neither the tri-state check image nor the buttons: a row with
// a check image (CheckImageRole) is a check box, checked or mixed as the
// image says, and each button the delegate draws is an action of the row.
// A row reads the model whenever it is asked, so it never holds stale data.
class AccessibleRow : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleRow(ORTableView *view, int row);

    int row() const { return m_row; }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QModelIndex index() const;

    QPointer<ORTableView> m_view;
    const int m_row;
};

} // namespace sw
