// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/RemovalPage.h"

// Page 20, the large-file removal page: moves the ticked files to the Trash
// once the result page starts it, then shows how much was freed and what stayed.
class ORBigDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORBigDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
