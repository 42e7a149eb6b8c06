// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ButtonCellDelegate.h"

#include <QMouseEvent>

namespace sw {

int ButtonCellDelegate::buttonAt(const QStyleOptionViewItem &option, const QModelIndex &index,
                                 const QPoint &pos) const
{
    const QList<Button> shown = buttons(option, index, true);
    for (const Button &button : shown)
        if (button.rect.contains(pos))
            return button.id;
    return -1;
}

QList<ButtonCellDelegate::Action> ButtonCellDelegate::actions(const QStyleOptionViewItem &option,
                                                              const QModelIndex &index) const
{
    QList<Action> found;
    for (const Button &button : buttons(option, index, true))
        found.append({button.id, actionName(button.id)});
    return found;
}

bool ButtonCellDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
        && type != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return QStyledItemDelegate::editorEvent(event, model, option, index);

    const int id = buttonAt(option, index, mouse->position().toPoint());
    if (type != QEvent::MouseButtonRelease) {
        m_pressedIndex = id >= 0 ? QPersistentModelIndex(index) : QPersistentModelIndex();
        m_pressedButton = id;
        return id >= 0;
    }
    const bool wasPressed = m_pressedButton >= 0;
    const bool click = wasPressed && id == m_pressedButton && m_pressedIndex == index;
    m_pressedIndex = QPersistentModelIndex();
    m_pressedButton = -1;
    if (click)
        buttonClicked(id, index);
    return wasPressed;
}

} // namespace sw
