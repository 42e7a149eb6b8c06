// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/shreds/ORShredOperation.h"

#include "core/foundation/KeepList.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/fs/AnchoredRoot.h"
#include "core/fs/CategoryRoots.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"
#include "core/shreds/ShredNotifications.h"
#include "core/shreds/ShredOverwrite.h"

#include <QDir>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcShreds, "sweepwright.shreds", sw::logThreshold(QtDebugMsg))

namespace {

// Where the item's folder really is, and (when measured) what the item
// counts for, measured as the removal counts: below that folder, without
// following a link.
void examine(ORShredItem &item, bool measure)
{
    const qsizetype slash = item.shredPath.lastIndexOf(QLatin1Char('/'));
    const std::optional<sw::AnchoredRoot> folder =
        sw::AnchoredRoot::open(slash > 0 ? item.shredPath.left(slash) : QStringLiteral("/"));
    if (!folder)
        return;
    item.realFolder = folder->realPath();
    if (measure)
        item.shredSize = folder->measure(item.shredPath);
}

}  // namespace

ORShredOperation &ORShredOperation::shareInstance()
{
    static ORShredOperation operation;
    return operation;
}

void ORShredOperation::setFolders(const QStringList &paths, bool measure)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_folders)
            return;
    }
    QList<ORShredItem> items;
    sw::CategoryRoots roots(lcShreds);
    const sw::KeepList keep = sw::KeepList::current();
    for (const QString &path : paths) {
        ORShredItem item;
        item.shredPath = QDir::cleanPath(path);
        item.refusal = roots.chosenItemRefusal(item.shredPath);
        if (item.refusal.isEmpty())
            item.refusal = keep.refusal(item.shredPath);
        if (item.refusal.isEmpty())
            examine(item, measure);
        items.append(item);
    }
    QMutexLocker lock(&m_mutex);
    if (!m_folders)
        m_folders = std::move(items);
}

void ORShredOperation::shreddar()
{
    sw::JobControl job;
    remove(job, overwriteEnabled());
}

sw::RemovalReport ORShredOperation::remove(sw::JobControl &job, bool overwrite)
{
    const std::optional<QList<ORShredItem>> items = folders();
    if (!items)
        return report();
    {
        QMutexLocker lock(&m_mutex);
        m_shredSize = 0;
        m_report.clear();
    }
    sw::RemovalRun run(lcShreds, QStringLiteral("Fail to shred, error=%1"));
    run.setWatch([&job](qint64 bytes) {
        job.addBytes(bytes);
        return !job.isCancelled();
    });
    if (overwrite)
        run.setBeforeUnlink(sw::overwriteBeforeUnlink);
    // Asked again: the list may have grown since the items were chosen.
    const sw::KeepList keep = sw::KeepList::current();
    for (const ORShredItem &item : *items) {
        if (job.isCancelled())
            break;
        job.setCurrentPath(item.shredPath);
        const QString kept = keep.refusal(item.shredPath);
        const sw::RemovalOutcome &outcome =
            kept.isEmpty() ? run.removeChosen(item.shredPath, item.shredSize, item.realFolder)
                           : run.add(sw::RemovalOutcome::refusal(item.shredPath, 0, kept));
        job.addItems();
        QMutexLocker lock(&m_mutex);
        m_shredSize += outcome.removed;
        m_report.add(outcome);
    }
    return report();
}

void ORShredOperation::startOver()
{
    QMutexLocker lock(&m_mutex);
    m_folders.reset();
    m_shredSize = 0;
    m_report.clear();
}

std::optional<QList<ORShredItem>> ORShredOperation::folders() const
{
    QMutexLocker lock(&m_mutex);
    return m_folders;
}

qint64 ORShredOperation::shredSize() const
{
    QMutexLocker lock(&m_mutex);
    return m_shredSize;
}

sw::RemovalReport ORShredOperation::report() const
{
    QMutexLocker lock(&m_mutex);
    return m_report;
}

bool ORShredOperation::overwriteEnabled()
{
    return ORPrefConfig::boolForKey(sw::shrednote::kOverwriteKey);
}

void ORShredOperation::setOverwriteEnabled(bool on)
{
    ORPrefConfig::setObject(sw::shrednote::kOverwriteKey, on);
}
