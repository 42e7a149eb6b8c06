// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORProgressView.h"

ORProgressView::ORProgressView(QWidget *parent, bool isBusy)
    : BusyCircleView(parent, isBusy, Metrics{1.15, 4, 0.13})
{
}

void ORProgressView::stop()
{
    BusyCircleView::stop();
    removeLayers();
}
