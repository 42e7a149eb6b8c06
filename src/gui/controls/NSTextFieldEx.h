// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A line edit that keeps the editing shortcuts for itself wherever it is
// placed: Ctrl with X, C, V or A (and nothing else held) cut, copy, paste and
// select all, even when the window binds those keys to actions of its own.
// Every other key and combination gets the ordinary handling.
class NSTextFieldEx : public QLineEdit
{
    Q_OBJECT

public:
    explicit NSTextFieldEx(QWidget *parent = nullptr);

    // Runs the editing action of a Ctrl+X/C/V/A key event; false for any
    // other event. A read-only field copies and selects but never changes:
    // there, cut and paste do nothing (and the keys still go no further).
    bool performKeyEquivalent(const QKeyEvent *event);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    static int editingKey(const QKeyEvent *event);
};
