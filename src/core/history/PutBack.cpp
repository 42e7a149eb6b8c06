// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/PutBack.h"

#include "core/fs/TrashRestore.h"

namespace sw {

QList<HistoryItem> PutBack::candidates(const HistoryRecord &run)
{
    QList<HistoryItem> items;
    for (const HistoryItem &item : run.items)
        if (item.fate == HistoryItem::Fate::Trashed && !item.trashedPath.isEmpty())
            items.append(item);
    return items;
}

HistoryRecord PutBack::run(const HistoryRecord &run, const HistoryFile &file, QString *writeError)
{
    HistoryRecord done = HistoryRecord::start(HistoryRecord::kPutBack);
    done.putBackOf = run.id;
    for (HistoryItem item : candidates(run)) {
        item.reason = TrashRestore::putBack(item.trashedPath, item.path);
        item.fate = item.reason.isEmpty() ? HistoryItem::Fate::Restored : HistoryItem::Fate::Failed;
        done.items.append(item);
    }
    const QString error = file.append(done);
    if (writeError)
        *writeError = error;
    return done;
}

}  // namespace sw
