// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/NothingFoundPage.h"

// Page 18, shown when a large-file scan found nothing of 32 MB or more.
class ORBigNoVeiwCter : public sw::NothingFoundPage
{
    Q_OBJECT
public:
    explicit ORBigNoVeiwCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
