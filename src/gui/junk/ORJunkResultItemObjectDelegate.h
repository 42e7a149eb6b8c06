// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told when the user ticked or unticked an item of the listed category.
class ORJunkResultItemObjectDelegate
{
public:
    virtual ~ORJunkResultItemObjectDelegate() = default;
    virtual void updateJunkGroupCheckStatus(int groupRow, int itemRow) = 0;
};
