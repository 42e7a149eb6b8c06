// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told when the user ticked or unticked a file of the listed band.
class ORBigResultItemObjectDelegate
{
public:
    virtual ~ORBigResultItemObjectDelegate() = default;
    virtual void updateBigGroupCheckStatus(int groupRow, int itemRow) = 0;
};
