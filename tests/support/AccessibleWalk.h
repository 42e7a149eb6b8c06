// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ORCellRoles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader would stumble over in the accessibility tree under a
// widget, walked as assistive technology walks it (child(i), depth first):
// an element a user acts on (button, check box, edit, combo box, slider,
// list, table, a checkable item) without a name, and a check box or
// checkable item that does not tell its state: a checkable button whose
// checked state differs from the button's, a row drawn with a check image
// (sw::CheckImageRole) that is not a check box checked, mixed or clear as its
// image is. Elements out of view are skipped with what they hold.
namespace AccessibleWalk {

inline bool isInteractive(const QAccessibleInterface *element)
{
    switch (element->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::Link:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
        return true;
    default:
        return element->state().checkable;
    }
}

// Where an element is, for the message: its class and object name, or its
// parent's for an item without an object of its own.
inline QString describe(QAccessibleInterface *element)
{
    QObject *object = element->object();
    QString where;
    if (!object && element->parent() && element->parent()->object()) {
        object = element->parent()->object();
        where = QStringLiteral("item \"%1\" of ").arg(element->text(QAccessible::Name));
    }
    if (object)
        where += QStringLiteral("%1 \"%2\"")
                     .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName());
    return where + QStringLiteral(" (role %1)").arg(int(element->role()), 0, 16);
}

// The check image's state of a row drawn by an item view, if it has one.
inline QString checkImageOf(QAccessibleInterface *element)
{
    QAccessibleInterface *parent = element->parent();
    auto *view = parent ? qobject_cast<QAbstractItemView *>(parent->object()) : nullptr;
    if (!view || element->object())
        return QString();
    switch (element->role()) {
    case QAccessible::Cell:
    case QAccessible::ListItem:
    case QAccessible::TreeItem:
    case QAccessible::CheckBox:
        break;
    default:
        return QString();
    }
    const QModelIndex index = view->indexAt(view->viewport()->mapFromGlobal(element->rect().center()));
    return index.isValid() ? index.data(sw::CheckImageRole).toString() : QString();
}

inline void checkState(QAccessibleInterface *element, QStringList &faults)
{
    const QAccessible::State state = element->state();
    if (auto *button = qobject_cast<QAbstractButton *>(element->object()); button && button->isCheckable()) {
        if (!state.checkable || state.checked != button->isChecked())
            faults.append(describe(element) + QStringLiteral(": checkable, its checked state is not told"));
        return;
    }
    const QString image = checkImageOf(element);
    if (image.isEmpty() || image == QLatin1String("or_select_null"))
        return;
    const bool told = (element->role() == QAccessible::CheckBox || state.checkable) &&
                      state.checked == (image == QLatin1String("or_select_all")) &&
                      state.checkStateMixed == (image == QLatin1String("or_select_part"));
    if (!told)
        faults.append(describe(element) +
                      QStringLiteral(": drawn as %1, not told as a check box in that state").arg(image));
}

inline void walk(QAccessibleInterface *element, QStringList &faults, int depth = 0)
{
    if (!element || !element->isValid() || depth > 64)
        return;
    const QAccessible::State state = element->state();
    if (state.invisible)
        return;
    if (auto *widget = qobject_cast<QWidget *>(element->object()); widget && !widget->isVisible())
        return;
    if (isInteractive(element) && element->text(QAccessible::Name).trimmed().isEmpty())
        faults.append(describe(element) + QStringLiteral(": no name"));
    checkState(element, faults);
    for (int i = 0; i < element->childCount(); ++i)
        walk(element->child(i), faults, depth + 1);
}

inline QStringList faults(QWidget *root)
{
    QStringList found;
    walk(QAccessible::queryAccessibleInterface(root), found);
    return found;
}

} // namespace AccessibleWalk
