// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/RemovalWording.h"
#include "core/fs/RemovalReport.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace sw {

// One item of a run as the history keeps it: where it was, its size and what
// became of it. Never anything of its contents.
struct HistoryItem
{
    enum class Fate {
        Trashed,   // moved to the Trash, to trashedPath: it can be put back
        Deleted,   // removed for good
        Linked,    // replaced with a link to a copy that stays
        Failed,    // stayed (or partly), for reason
        Refused,   // never tried: a place that must not go, for reason
        Restored,  // put back from the Trash
    };

    QString path;
    qint64 size = 0;  // the bytes that went; for Failed and Refused, what the scan found
    Fate fate = Fate::Deleted;
    QString trashedPath;  // Trashed: TRASH/files/NAME
    QString reason;       // Failed, Refused
};

// One run: a removal by one tool, or a put back of an earlier run. Written
// as one line of JSON: {"id", "time" (UTC), "tool", "putBackOf" (a put
// back's run), "items": [{"path", "size", "fate", "trash", "reason"}]}.
struct HistoryRecord
{
    QString id;  // "20250131-142502-3fa9": the time it started and a random part
    QDateTime time;
    QString tool;  // the command line's word: junk, large, dups, apps, extensions, shred; putback
    QString putBackOf;
    QList<HistoryItem> items;

    static inline const QString kPutBack = QStringLiteral("putback");

    // A new run of tool, with its id and time.
    static HistoryRecord start(const QString &tool);
    // The run a removal made, item by item, as its report tells.
    static HistoryRecord ofRemoval(const RemovalWording &wording, const RemovalReport &report);
    // The tool word of a removal's action.
    static QString toolOf(RemovalWording::Action action);

    // The word a fate is written as: trash, deleted, linked, failed, refused, restored.
    static QLatin1StringView fateName(HistoryItem::Fate fate);

    QByteArray toJson() const;
    // nullopt for a line that is not a run (damaged, cut short, or foreign).
    static std::optional<HistoryRecord> fromJson(const QByteArray &line);

    qsizetype count(HistoryItem::Fate fate) const;
    qint64 bytes(HistoryItem::Fate fate) const;
};

}  // namespace sw
