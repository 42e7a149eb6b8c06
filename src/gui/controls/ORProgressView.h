// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/BusyCircleView.h"

// The busy circle of the pages that scan, delete, extract or compress.
// stop() also takes the drawing away until the next setupWithTitle().
class ORProgressView : public sw::BusyCircleView
{
    Q_OBJECT

public:
    ORProgressView(QWidget *parent, bool isBusy);
    void stop() override;
};
