// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/NothingFoundPage.h"

// Page 14, shown when a duplicate scan found no duplicates.
class ORDupNoViewCter : public sw::NothingFoundPage
{
    Q_OBJECT
public:
    explicit ORDupNoViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
