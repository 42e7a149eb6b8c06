// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/finder/FinderEngine.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORBigData.h"
#include "core/foundation/ToolEngine.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct stat;

// The large-file finder's engine, one per process.
//
// A scan walks the chosen folders once (directory descriptors and fstatat, no
// per-entry objects), never through a symbolic link, into neither an excluded
// folder nor a package. Every regular file and every package that passes the
// extension filter is announced as "bigtitle"; a file costs one fstatat, a
// package one walk of its insides to sum their sizes. What reaches 32 MB is
// filed into one of five size bands ("bigszie" carries the running total)
// and the non-empty bands become the groups, smallest band first, items in
// the order found. With an age limit (olderThanDays()) a file or package
// modified within it is passed over before it is sized. No file content is
// ever read.
//
// Removal moves the marked, visible items of the marked, visible groups to
// the freedesktop Trash (restorable from the desktop's own Trash) through
// sw::FinderRemoval, each below the folder it was found in; a failure is
// logged ("Fail to remove junk, error=...") and reported, and delSize()
// counts only what was moved.
//
// Progress (sw::JobControl): items are the entries looked at, bytes the
// size listed so far, the current path the one last posted as "bigtitle".
// A cancelled scan stops at the next entry and holds nothing; a cancelled
// removal stops after the item it is on.
//
// Folders, exclusions, delSize() and the removal report come from
// sw::FinderEngine.
class ORBigDataCollection : public sw::FinderEngine<ORBigData>
{
public:
    using Data = ORBigData;
    static constexpr qint64 kMinimumSize = 32'000'000;  // 32 MB

    static ORBigDataCollection &shareInstance();

    // The engine contract (sw::ToolEngine): a new scan, held when it ends;
    // nullptr when cancelled.
    std::shared_ptr<ORBigData> scan(sw::JobControl &job);
    // Moves the selected items to the Trash; see the overview.
    sw::RemovalReport remove(sw::JobControl &job);

    // The published result; runs the scan on the calling thread when none is
    // held. Call it from a background thread when a scan may run.
    std::shared_ptr<ORBigData> bigData();
    std::shared_ptr<ORBigData> tempBigData() const;
    // Resets the running total and returns a fresh result of scanBig().
    std::shared_ptr<ORBigData> startScan();
    // Forgets the result, the band lists, the folders and both exclusion lists.
    void startOver();

    // Localised name and info of a band ("32 MB to 128 MB", ...).
    static QString bandName(qint64 bigID);
    static QString bandInfo(qint64 bigID);

    // What the pages and the command line scan unless told otherwise: the
    // user's documents, downloads, videos and pictures (macos layout:
    // documents and movies), hidden folders and docsets left out, and the 33
    // extensions of source, build and database files.
    static QStringList defaultFolders();
    static QStringList defaultExcludeFolders();
    static QStringList defaultExcludeFiles();

    // --- used only by the tests ---------------------------------------------
    // remove() with nobody watching.
    void deleteBigs();

private:
    ORBigDataCollection() = default;
    bool scanBigDataFlag() const { return true; }
    std::shared_ptr<ORBigData> scanBig();
    // Files one candidate into its band (nothing below 32 MB); posts "bigszie".
    void bigGroupWithSize(const QString &path, qint64 size);
    // Appends the group made of one band's items to bigData.
    static void bigDataWithGroup(const QList<ORBigDataItem> &band, ORBigData &bigData, qint64 bigGroup,
                                 const QString &groupName, const QString &groupInfo);
    // The band number (bigID: 4 for 32-128 MB ... 0 for 1 GB and more) of a
    // size; nothing below 32 MB.
    static std::optional<qint64> bandOfSize(qint64 size);
    QList<ORBigDataItem> &bandList(qint64 bigID);
    void bigGroupWithSize(const QString &path, qint64 size, const struct stat &st);
    // The scan itself: nullptr when job was cancelled.
    std::shared_ptr<ORBigData> scanBands(sw::JobControl &job);

    // The five working lists, named after the bands' lower bounds' old names
    // (big64MArray holds 32-128 MB).
    QList<ORBigDataItem> big64MArray;
    QList<ORBigDataItem> big128MArray;
    QList<ORBigDataItem> big256MArray;
    QList<ORBigDataItem> big512MArray;
    QList<ORBigDataItem> big1GArray;
    qint64 m_foundTotal = 0;
};

static_assert(sw::ToolEngine<ORBigDataCollection>);
