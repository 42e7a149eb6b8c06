// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/RemovalWording.h"
#include "core/fs/RemovalReport.h"

namespace sw {

// What every removal does when it ends, in the window and on the command
// line: it appends its run to the standard history (HistoryFile). A run that
// tried nothing is not recorded; a history that cannot be written is logged
// and does not stop anything.
class RemovalHistory
{
public:
    static void record(const RemovalWording &wording, const RemovalReport &report);
};

}  // namespace sw
