// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/NothingFoundPage.h"

// Page 4, shown when the scan had no category to look at: points the user to
// the category switches and leads back to the scan page.
class ORNoJunkViewCter : public sw::NothingFoundPage
{
    Q_OBJECT
public:
    explicit ORNoJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);
};
