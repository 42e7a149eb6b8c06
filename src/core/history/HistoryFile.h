// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/UniqueFd.h"
#include "core/history/HistoryRecord.h"

#include <QList>
#include <QString>

#include <optional>

namespace sw {

// The record of every removal: one line of JSON per run in
// FOLDER/history.jsonl (XDG_STATE_HOME/sweepwright by default), the folder
// 0700 and the file 0600, as the paths it holds are nobody else's business.
//
// A run is appended with one write(2) to a file opened O_APPEND, so runs of
// the window and of the command line (a scheduled one) never mix their
// lines. Runs older than maxAge or beyond maxBytes (the oldest first; the
// newest run always stays) are dropped by rewriting the file into a new one
// renamed over it; appends and rewrites hold a lock on the folder meanwhile.
// A line that is not a run (a crash mid-write, an edit) is skipped when
// reading and dropped at the next rewrite.
class HistoryFile
{
public:
    struct Limits
    {
        int maxAgeDays;
        qint64 maxBytes;
    };
    static constexpr Limits kLimits{365, 10 * 1024 * 1024};

    explicit HistoryFile(QString folder, Limits limits = kLimits);
    // The one the tools write: ORLayout::stateHome()/sweepwright.
    static HistoryFile standard();

    QString path() const;
    // Appends run; the reason when it could not be written, else empty.
    QString append(const HistoryRecord &run) const;
    // Every run, oldest first. A file far beyond the bound (not ours) is read
    // from its end only.
    QList<HistoryRecord> read() const;
    std::optional<HistoryRecord> find(const QString &id) const;

private:
    UniqueFd openFolder(bool create, QString *error) const;
    bool pastBound(int fd) const;
    QString rewrite(int folderFd, int fd) const;

    QString m_folder;
    Limits m_limits;
};

}  // namespace sw
