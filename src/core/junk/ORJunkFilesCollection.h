// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/foundation/KeepList.h"
#include "core/foundation/MarkedRemoval.h"
#include "core/foundation/ORJunkData.h"
#include "core/foundation/PublishedResult.h"
#include "core/foundation/ToolEngine.h"
#include "core/fs/ProtectedPaths.h"
#include "core/fs/RemovalReport.h"
#include "core/junk/JunkAgeRules.h"
#include "core/junk/JunkCandidate.h"
#include "core/junk/ORJunkCategory.h"

#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace sw {
class TitlePoster;
}

// The junk cleaner's engine, one per process.
//
// A scan visits the enabled categories in their fixed order. Each category
// proposes candidate paths and whole folder listings (cheap); every
// candidate, and every entry of a listing, is then measured once (a folder
// walk with lstat: the expensive part) and kept when it has a size and,
// where the category asks for it, the user may delete it. A listing's
// entries are read and judged by their raw names: a path is made only for
// what is kept. Progress goes out as "junktitle" (the candidate being
// measured, one per interval) and "junksize" (the running total), coalesced
// on their way to the main thread, and into the scan's job: items are the
// candidates and the entries measured, bytes the size found so far. A
// cancelled scan stops between two entries, even inside one huge folder,
// and keeps nothing.
//
// Every folder a category lists is a category root, checked before anything
// in it is listed (sw::CategoryRoots: never the home, a user folder, a
// system folder, or a folder another user could have planted). Items are
// measured below their root the way removal counts (sw::FolderTree), and
// the result's total counts a byte once where categories overlap.
//
// Removal takes the marked, visible items of the groups whose flag is not 0:
// Trash and Downloads items go whole, the other categories' folders are
// emptied entry by entry and keep existing. Everything goes through one
// sw::RemovalRun: reached below its root without following a link or
// crossing a mount, checked again just before it goes, and reported item by
// item (removalReport()). Items only an administrator may remove go last,
// all in one privileged run, when admin removal is allowed. A cancelled
// removal stops between two items or two entries of a folder being emptied,
// skips the privileged run, and its report says exactly what went.
class ORJunkFilesCollection
{
public:
    using Data = ORJunkData;
    using SwitchReader = std::function<bool(const QString &key)>;

    static ORJunkFilesCollection &shareInstance();

    // The engine contract (sw::ToolEngine): scan() publishes its result and
    // returns it, nullptr when cancelled; remove() removes what is marked in it.
    std::shared_ptr<ORJunkData> scan(sw::JobControl &job);
    sw::RemovalReport remove(sw::JobControl &job);
    std::shared_ptr<ORJunkData> result() const { return tempJunkData(); }
    void startOver();

    std::shared_ptr<ORJunkData> tempJunkData() const;
    // Whether marked items that need administrator rights are removed (one
    // password prompt) or reported as skipped. Allowed by default.
    void setAdminRemoval(bool allowed) { m_adminRemoval = allowed; }
    // Where the category switches are read; the settings store by default.
    void setSwitchReader(SwitchReader reader);
    // The age rules of the next scans; nothing: the settings' at each scan.
    // Items a rule leaves out are not listed, so the result is what would go.
    void setAgeRules(std::optional<sw::JunkAgeRules> rules) { m_ageRules = std::move(rules); }

    // --- used only by the tests ---------------------------------------------
    // The published result; runs the scan on the calling thread when none is held.
    std::shared_ptr<ORJunkData> junkData();
    // A scan nobody watches; its result is not published.
    std::shared_ptr<ORJunkData> startScan();
    // remove() with nobody watching.
    void deleteJunks();
    qint64 delSize() const { return removalReport().removedBytes(); }
    // What the last removal took, group by group, and what it did item by item.
    QList<ORJunkDataGroup> junkDataDel() const;
    sw::RemovalReport removalReport() const;

private:
    ORJunkFilesCollection();
    std::shared_ptr<ORJunkData> collect(sw::JobControl &job);
    sw::JobControl &scanJob() const { return m_job ? *m_job : m_ownJob; }
    ORJunkDataGroup makeGroup(qint64 groupID);
    ORJunkDataGroup scanCategory(qint64 groupID);
    ORJunkDataGroup fillGroup(qint64 groupID, const sw::JunkCandidates &candidates);
    sw::CategoryRoots &scanRoots();
    sw::ProtectedPaths::Cache &scanProtectedPaths();
    struct GroupRules;
    bool addCandidate(ORJunkDataGroup &group, const sw::JunkCandidate &candidate, const GroupRules &rules,
                      sw::TitlePoster &title);
    bool addListing(ORJunkDataGroup &group, const sw::JunkCandidate &listing, const GroupRules &rules,
                    sw::TitlePoster &title);
    bool keep(ORJunkDataGroup &group, const sw::JunkCandidate &candidate, const QString &path,
              const sw::AnchoredRoot &root, const GroupRules &rules, ORjunkDataItem item);
    static sw::FolderTree::Watch countingWatch(sw::JobControl &job, sw::TitlePoster &title);
    std::optional<sw::FolderTree::Measured> measureBelow(const sw::AnchoredRoot &root, const QString &path,
                                                         const sw::FolderTree::Watch &watch);
    static bool oldEnough(const GroupRules &rules, const sw::JunkCandidate &candidate, qint64 newest,
                          const sw::AnchoredRoot &root, const QString &path, const sw::AnchoredRoot *companionRoot);
    bool needsAdmin(const QString &path) const;
    static sw::MarkedRemoval::Item removalOf(qint64 groupID, const ORjunkDataItem &item);
    void publishRemoval(QList<ORJunkDataGroup> removed, sw::RemovalReport report);

    mutable QMutex m_mutex;  // guards m_junkDataDel and m_report
    sw::PublishedResult<ORJunkData> m_result;
    QList<ORJunkDataGroup> m_junkDataDel;
    sw::RemovalReport m_report;
    std::atomic<bool> m_adminRemoval{true};
    qint64 m_foundTotal = 0;
    std::unique_ptr<sw::CategoryRoots> m_roots;  // the scan's
    std::unique_ptr<sw::ProtectedPaths::Cache> m_protectedPaths;  // the scan's
    sw::KeepList m_keepList;  // the scan's: what the user never wants listed
    sw::JobControl *m_job = nullptr;              // the scan's
    // Outside a scan progress goes here, where nobody reads or cancels it.
    mutable sw::JobControl m_ownJob;
    SwitchReader m_switchReader;
    std::optional<sw::JunkAgeRules> m_ageRules;
    sw::JunkAgeRules m_scanAges;  // the scan's
    qint64 m_scanStart = 0;       // the scan's, seconds since the epoch
};

static_assert(sw::ToolEngine<ORJunkFilesCollection>);
