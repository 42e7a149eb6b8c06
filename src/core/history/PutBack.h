// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QList>
#include <QString>

namespace sw {

// Puts the items of a run that went to the Trash back where they were
// (TrashRestore, item by item: never over anything that is there now) and
// records that as a run of its own, which names the run it undid. Items the
// run removed for good, or that stayed, are not tried.
class PutBack
{
public:
    // The items of run a put back tries: those it moved to the Trash.
    static QList<HistoryItem> candidates(const HistoryRecord &run);
    // Tries every candidate and appends the outcome to file: Restored, or
    // Failed with the reason, per item. writeError: why the outcome could
    // not be recorded, if so.
    static HistoryRecord run(const HistoryRecord &run, const HistoryFile &file, QString *writeError = nullptr);
};

}  // namespace sw
