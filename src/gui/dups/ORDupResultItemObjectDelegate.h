// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told when the user ticked or unticked a copy of the listed group.
class ORDupResultItemObjectDelegate
{
public:
    virtual ~ORDupResultItemObjectDelegate() = default;
    virtual void updateDupGroupCheckStatus(int groupRow, int itemRow) = 0;
};
