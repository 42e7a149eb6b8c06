// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>

#include "core/foundation/JobControl.h"
#include "core/foundation/PublishedResult.h"
#include "core/fs/RemovalReport.h"

#include <functional>
#include <memory>
#include <optional>

namespace sw {

// What the large-file and the duplicate finder's engines have in common: the
// folders and exclusions a page hands over before a scan, the published
// result and its temp copy (result(), the engine contract's held result),
// the bytes moved by the last removal and its report, item by item. All of
// it is safe to reach from any thread; the engines name their own accessors
// (bigData(), dupData()).
template <class D>
class FinderEngine
{
public:
    using Data = D;

    void setFolders(const QStringList &folders) { set(m_folders, folders); }
    QStringList folders() const { return get(m_folders); }
    // Patterns for ORUtility::isExcludedFolder().
    void setExcludeFolders(const QStringList &patterns) { set(m_excludeFolders, patterns); }
    QStringList excludeFolders() const { return get(m_excludeFolders); }
    // Lower-case extensions whose items are never listed.
    void setExcludeFiles(const QStringList &extensions) { set(m_excludeFiles, extensions); }
    QStringList excludeFiles() const { return get(m_excludeFiles); }

    // Only items last modified more than this many days ago count (0: all).
    void setOlderThanDays(int days) { set(m_olderThanDays, days); }
    int olderThanDays() const { return get(m_olderThanDays); }
    // The moment (ms since the epoch) an item must have been modified before
    // to count at nowMs; nothing when every item counts.
    std::optional<qint64> modifiedBeforeMs(qint64 nowMs) const
    {
        const int days = olderThanDays();
        return days > 0 ? std::optional<qint64>(nowMs - qint64(days) * 24 * 60 * 60 * 1000) : std::nullopt;
    }

    qint64 delSize() const { return removalReport().removedBytes(); }
    // What the last removal did, item by item.
    RemovalReport removalReport() const { return get(m_report); }

    // The result held (the temp copy): nullptr before a scan, after
    // startOver() and after a cancelled scan.
    std::shared_ptr<Data> result() const { return m_result.temp(); }

protected:
    FinderEngine() = default;

    // The published result, made by scan on the calling thread when none is held.
    std::shared_ptr<Data> published(const std::function<std::shared_ptr<Data>()> &scan) { return m_result.get(scan); }
    std::shared_ptr<Data> temp() const { return m_result.temp(); }
    // Holds what a scan made and returns it; a cancelled scan (nullptr) leaves
    // nothing held, not even the result of an earlier scan.
    std::shared_ptr<Data> hold(std::shared_ptr<Data> data)
    {
        m_result.reset();
        return data ? m_result.get([&data] { return data; }) : nullptr;
    }
    void setRemovalReport(RemovalReport report) { set(m_report, std::move(report)); }
    // Forgets the result, the folders and the exclusions.
    void forget()
    {
        m_result.reset();
        QMutexLocker lock(&m_mutex);
        m_folders.clear();
        m_excludeFolders.clear();
        m_excludeFiles.clear();
        m_olderThanDays = 0;
    }


private:
    template <class T>
    void set(T &field, T value)
    {
        QMutexLocker lock(&m_mutex);
        field = std::move(value);
    }
    template <class T>
    T get(const T &field) const
    {
        QMutexLocker lock(&m_mutex);
        return field;
    }

    mutable QMutex m_mutex;
    PublishedResult<Data> m_result;
    QStringList m_folders;
    QStringList m_excludeFolders;
    QStringList m_excludeFiles;
    int m_olderThanDays = 0;
    RemovalReport m_report;
};

}  // namespace sw
