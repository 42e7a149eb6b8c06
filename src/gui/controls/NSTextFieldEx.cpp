// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/NSTextFieldEx.h"

#include <QKeyEvent>

NSTextFieldEx::NSTextFieldEx(QWidget *parent)
    : QLineEdit(parent)
{
}

// The key of an editing shortcut, or 0. Only Ctrl may be held: the keypad
// flag says where the key is, not what the user pressed with it.
int NSTextFieldEx::editingKey(const QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return 0;
    switch (event->key()) {
    case Qt::Key_X:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_A:
        return event->key();
    default:
        return 0;
    }
}

bool NSTextFieldEx::performKeyEquivalent(const QKeyEvent *event)
{
    switch (editingKey(event)) {
    case Qt::Key_X:
        if (!isReadOnly())
            cut();
        return true;
    case Qt::Key_C:
        copy();
        return true;
    case Qt::Key_V:
        if (!isReadOnly())
            paste();
        return true;
    case Qt::Key_A:
        selectAll();
        return true;
    default:
        return false;
    }
}

// Claims the shortcut before the window's actions can take it.
bool NSTextFieldEx::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && editingKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void NSTextFieldEx::keyPressEvent(QKeyEvent *event)
{
    if (performKeyEquivalent(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
