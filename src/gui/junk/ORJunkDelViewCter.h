// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/RemovalPage.h"

// Page 3, the junk removal page: removes what the result page left ticked
// once the result page starts it, then shows the size removed and what stayed.
class ORJunkDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
