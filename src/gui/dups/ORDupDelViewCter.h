// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/RemovalPage.h"

// Page 16, the duplicate removal page: moves the ticked copies to the Trash
// once the result page starts it (or replaces them with links, when it is
// started with a sw::LinkKind), then shows how much was freed and what stayed.
class ORDupDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORDupDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
