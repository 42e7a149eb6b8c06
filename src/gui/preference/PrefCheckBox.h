// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>

// A check box of the preferences panes, drawn with the application's own
// tick images ("or_select_all" on, "or_select_off" off).
class PrefCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    PrefCheckBox(const QString &text, const QString &objectName, QWidget *parent);
};
