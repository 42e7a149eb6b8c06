// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/AccessibleRow.h"

#include "gui/controls/ButtonCellDelegate.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORTableView.h"

#include <QStyleOptionViewItem>
#include <QWindow>

namespace sw {

namespace {

// The row's buttons as its delegate draws them, each by name.
QList<ButtonCellDelegate::Action> rowActions(ORTableView *view, const QModelIndex &index)
{
    auto *delegate = qobject_cast<ButtonCellDelegate *>(view->itemDelegateForIndex(index));
    if (!delegate)
        return {};
    QStyleOptionViewItem option;
    option.rect = view->visualRect(index);
    option.font = view->font();
    return delegate->actions(option, index);
}

} // namespace

AccessibleRow::AccessibleRow(ORTableView *view, int row) : m_view(view), m_row(row) {}

QModelIndex AccessibleRow::index() const
{
    return m_view && m_view->model() ? m_view->model()->index(m_row, 0) : QModelIndex();
}

bool AccessibleRow::isValid() const
{
    return index().isValid();
}

QWindow *AccessibleRow::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *AccessibleRow::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
}

QString AccessibleRow::text(QAccessible::Text t) const
{
    const QModelIndex at = index();
    if (!at.isValid())
        return QString();
    const QString name = at.data(Qt::DisplayRole).toString();
    if (t == QAccessible::Name)
        return name.isEmpty() ? at.data(NameRole).toString() : name;
    if (t != QAccessible::Description)
        return QString();
    // What the row shows beside its name: size, badge, second line, date,
    // and the path or the group's explanation from the tooltip.
    QStringList parts;
    for (int role :
         {int(SizeTextRole), int(BadgeRole), int(ExtraTextRole), int(DateTextRole), int(Qt::ToolTipRole)}) {
        const QString part = at.data(role).toString();
        if (!part.isEmpty() && part != name)
            parts.append(part);
    }
    return parts.join(QStringLiteral(", "));
}

QRect AccessibleRow::rect() const
{
    const QModelIndex at = index();
    if (!at.isValid())
        return QRect();
    const QRect shown = m_view->visualRect(at);
    return QRect(m_view->viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

QAccessible::Role AccessibleRow::role() const
{
    const QModelIndex at = index();
    if (at.data(SectionRole).toBool())
        return QAccessible::Heading;
    return at.data(CheckImageRole).toString().isEmpty() ? QAccessible::ListItem : QAccessible::CheckBox;
}

QAccessible::State AccessibleRow::state() const
{
    QAccessible::State state;
    const QModelIndex at = index();
    if (!at.isValid())
        return state;
    const QString check = at.data(CheckImageRole).toString();
    if (!check.isEmpty()) {
        state.checkable = true;
        state.checked = check == QLatin1String("or_select_all");
        state.checkStateMixed = check == QLatin1String("or_select_part");
        state.disabled = !at.data(CheckEnabledRole).toBool();
    }
    state.focusable = true;
    state.focused = m_view->hasFocus() && m_view->currentIndex().row() == m_row;
    if (m_view->selectionMode() != QAbstractItemView::NoSelection) {
        state.selectable = true;
        state.selected =
            m_view->selectionModel() && m_view->selectionModel()->isRowSelected(m_row, QModelIndex());
    }
    state.invisible = !m_view->isVisible() || !m_view->viewport()->rect().intersects(m_view->visualRect(at));
    return state;
}

void *AccessibleRow::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList AccessibleRow::actionNames() const
{
    const QModelIndex at = index();
    if (!at.isValid())
        return {};
    QStringList names;
    // Choosing a row of a selectable list shows what it holds.
    if (m_view->selectionMode() != QAbstractItemView::NoSelection)
        names.append(pressAction());
    for (const ButtonCellDelegate::Action &action : rowActions(m_view, at))
        names.append(action.name);
    return names;
}

void AccessibleRow::doAction(const QString &actionName)
{
    const QModelIndex at = index();
    if (!at.isValid())
        return;
    if (actionName == pressAction() && m_view->selectionMode() != QAbstractItemView::NoSelection) {
        m_view->setCurrentIndex(at);
        return;
    }
    for (const ButtonCellDelegate::Action &action : rowActions(m_view, at))
        if (action.name == actionName) {
            static_cast<ButtonCellDelegate *>(m_view->itemDelegateForIndex(at))->press(action.id, at);
            return;
        }
}

} // namespace sw
