// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Told when the user ticked or unticked an item of the application shown.
class ORUninstResultItemObjectDelegate
{
public:
    virtual ~ORUninstResultItemObjectDelegate() = default;
    virtual void updateAppGroupCheckStatus(int groupRow, int itemRow) = 0;
};
