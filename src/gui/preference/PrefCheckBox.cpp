// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/PrefCheckBox.h"

PrefCheckBox::PrefCheckBox(const QString &text, const QString &objectName, QWidget *parent) : QCheckBox(text, parent)
{
    setObjectName(objectName);
    setStyleSheet(QStringLiteral("QCheckBox { spacing: 8px; }"
                                 " QCheckBox::indicator { width: 18px; height: 18px; }"
                                 " QCheckBox::indicator:checked { image: url(:/images/or_select_all.svg); }"
                                 " QCheckBox::indicator:unchecked { image: url(:/images/or_select_off.svg); }"));
}
