// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/BusyCircleView.h"

// The memory page's circle: stop() only halts the turn; removeCircleView()
// takes the drawing away.
class ORMemCircleView : public sw::BusyCircleView
{
    Q_OBJECT

public:
    ORMemCircleView(QWidget *parent, bool isBusy);
    void removeCircleView();
};
