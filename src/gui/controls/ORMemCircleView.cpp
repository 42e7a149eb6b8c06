// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORMemCircleView.h"

ORMemCircleView::ORMemCircleView(QWidget *parent, bool isBusy)
    : BusyCircleView(parent, isBusy, Metrics{1.1, 2, 0.15})
{
}

void ORMemCircleView::removeCircleView()
{
    removeLayers();
}
