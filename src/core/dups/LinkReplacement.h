// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"
#include "core/fs/FileLink.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

class JobControl;

// Replaces the marked copies of a duplicate result by links to the copy each
// set keeps (its first unmarked copy), one sw::FileLink per copy, each file
// reached below the scan folder it was found in. A set whose copies are all
// marked, or none, is left alone. The report has an outcome per marked copy:
// done with the bytes freed, or why it stays (refusals told apart).
class LinkReplacement
{
public:
    // A marked copy and the file it would become a link to.
    struct Pair
    {
        const ORDupDataItem *kept = nullptr;
        const ORDupDataItem *copy = nullptr;
        QString refusal;  // not empty: the copy stays, for this reason
    };

    LinkReplacement(const QStringList &folders, LogCategory category);

    // The marked copies of the groups whose flag is set, in order.
    static QList<Pair> plan(const ORDupData &data);
    // The kind to offer first: a hard link when every marked copy lies on the
    // same file system as its kept copy, else a symbolic link.
    static LinkKind defaultKind(const ORDupData &data);
    // Names of the kinds on the command line ("hard", "reflink", "symbolic").
    static QString key(LinkKind kind);
    static std::optional<LinkKind> fromKey(const QString &key);
    static QStringList keys();

    // Replaces every copy of pairs (from plan()) but those refused, several
    // at a time, reporting them in order and counting into job's progress;
    // once job is cancelled no further copy is begun.
    void replace(const QList<Pair> &pairs, LinkKind kind, JobControl &job);
    const RemovalReport &report() const { return m_run.report(); }

private:
    FileLink::Side sideOf(const ORDupDataItem &item);

    QStringList m_folders;
    RemovalRun m_run;
};

}  // namespace sw
