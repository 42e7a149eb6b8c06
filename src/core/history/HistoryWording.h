// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/HistoryRecord.h"

#include <QString>

namespace sw {

// How the history reads, the same in the window and on the command line.
class HistoryWording
{
public:
    // The tool of a run as the sidebar names it ("Duplicates"), or "Put Back".
    static QString toolName(const QString &tool);
    // What became of an item: "Moved to the Trash", "Deleted for good",
    // "Could not be removed: REASON", ...
    static QString fate(const HistoryItem &item);
    // The run in one line: "3 items to the Trash (12 MB), 1 deleted for good,
    // 1 failed"; for a put back, what came back and what did not.
    static QString summary(const HistoryRecord &run);
    // The run's local date and time, short.
    static QString when(const HistoryRecord &run);
};

}  // namespace sw
