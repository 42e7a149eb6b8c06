// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include <optional>

// Colours the segments of an ORVerticalBarView; no answer keeps the bar's own
// colour for that segment.
class ORVerticalBarViewDelegate
{
public:
    virtual ~ORVerticalBarViewDelegate() = default;
    // index: the value's position in the list given to setupWithData().
    virtual std::optional<QColor> colorWithIndex(int index) = 0;
};
