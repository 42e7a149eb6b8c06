// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told when the user ticked or unticked an add-on of the category shown.
class ORGroupItemObjectDelegate
{
public:
    virtual ~ORGroupItemObjectDelegate() = default;
    virtual void updateGroupCheckStatus(int groupRow, int itemRow) = 0;
};
