// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"

#include <QList>
#include <QString>
#include <QStringList>


class QLoggingCategory;

namespace sw {

class JobControl;

// One removal run of a finder (large files, duplicates): each item is moved
// to the Trash through the removal core, reached below the scan folder it was
// found in without following a link. A protected system folder is never
// touched; a failure is logged in the finder's category as "Fail to remove
// junk, error=..." and reported.
class FinderRemoval
{
public:
    struct Item
    {
        QString path;
        qint64 size = 0;
        QString refusal{};  // when set, the item is not tried and this is why
    };

    FinderRemoval(const QStringList &folders, LogCategory category);

    // Moves the items in order, counting what went into job's progress. Once
    // job is cancelled no further item is begun: the report then lists
    // exactly the items that were tried.
    void moveItems(const QList<Item> &items, JobControl &job);
    // See RemovalRun::setBeforeTrash.
    void setBeforeTrash(RemovalRun::BeforeTrash hook) { m_run.setBeforeTrash(std::move(hook)); }
    const RemovalReport &report() const { return m_run.report(); }

    // The deepest of the (clean) folders that holds path; its own folder when none does.
    static QString folderOf(const QStringList &folders, const QString &path);

private:

    QStringList m_folders;
    RemovalRun m_run;
};

}  // namespace sw
