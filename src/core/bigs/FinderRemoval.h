#pragma once

#include "RemovalRun.h"

#include <QString>
#include <QStringList>

class QLoggingCategory;

namespace sw {

// One removal run of a finder (large files, duplicates): each item is moved
// to the Trash through the removal core, reached below the scan folder it was
// found in without following a link. A protected system folder is never
// touched; a failure is logged in the finder's category as "Fail to remove
// junk, error=..." and reported.
class FinderRemoval
{
public:
    FinderRemoval(const QStringList &folders, const QLoggingCategory &category);

    // true when the item went to the Trash.
    bool moveItem(const QString &path, qint64 size);
    const RemovalReport &report() const { return m_run.report(); }

private:
    QString folderOf(const QString &path) const;

    QStringList m_folders;
    RemovalRun m_run;
};

}  // namespace sw
