// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/finder/FinderRemoval.h"

#include "core/foundation/JobControl.h"

#include <QDir>
#include <QFileInfo>

namespace sw {

FinderRemoval::FinderRemoval(const QStringList &folders, LogCategory category) : m_run(category)
{
    for (const QString &folder : folders)
        m_folders.append(QDir::cleanPath(folder));
}

QString FinderRemoval::folderOf(const QStringList &folders, const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    QString best;
    for (const QString &folder : folders) {
        const QString prefix = folder == QLatin1String("/") ? folder : folder + QLatin1Char('/');
        if (clean.startsWith(prefix) && folder.size() > best.size())
            best = folder;
    }
    return best.isEmpty() ? QFileInfo(clean).path() : best;
}

void FinderRemoval::moveItems(const QList<Item> &items, JobControl &job)
{
    for (const Item &item : items) {
        if (job.isCancelled())
            return;
        job.setCurrentPath(item.path);
        if (!item.refusal.isEmpty()) {
            m_run.add(RemovalOutcome::refusal(item.path, item.size, item.refusal));
            continue;
        }
        const RemovalOutcome &outcome = m_run.moveToTrash(folderOf(m_folders, item.path), item.path, item.size);
        if (outcome.ok())
            job.addItems();
        job.addBytes(outcome.removed);
    }
}

}  // namespace sw
