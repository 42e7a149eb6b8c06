// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/RemovalPage.h"

// Page 31, the extensions removal page: removes the ticked add-ons when
// the result page starts it, then reports as every removal page does;
// Details lists each add-on that went and what stayed.
class ORExtensionDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORExtensionDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
