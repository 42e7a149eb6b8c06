// SPDX-License-Identifier: GPL-3.0-or-later
// The junk engine: scan order, initial selection, lifecycle, progress
// notifications, removal and cancellation, on fixture trees of both
// layouts. Where each category looks is tested in test_MacJunkLocations and
// test_FreedesktopJunkLocations.

#include "JunkTestSupport.h"

#include "core/junk/JunkOverlap.h"
#include "support/PkexecStandIn.h"
#include "support/TreeSnapshot.h"

#include "core/foundation/MainQueue.h"
#include "core/foundation/ORDispatch.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORSelection.h"
#include "core/fs/UniqueFd.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using swtest::JunkFixture;

namespace {

using Kind = ORLayout::Kind;

// Plants count files of size bytes (f0, f1, ...) in folder, quicker than one by one.
void plantFiles(const QString &folder, int count, qint64 size)
{
    QDir().mkpath(folder);
    const sw::UniqueFd dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(dir.isValid());
    const QByteArray bytes(size, 'x');
    for (int i = 0; i < count; ++i) {
        const QByteArray name = "f" + QByteArray::number(i);
        const sw::UniqueFd file(::openat(dir.get(), name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600));
        ASSERT_EQ(::write(file.get(), bytes.constData(), bytes.size()), size);
    }
}

// Runs work on a thread of its own and cancels job from here the moment
// `when` holds for its progress (a runner's Cancel button).
void cancelWhen(sw::JobControl &job, const std::function<bool(const sw::JobControl::Progress &)> &when,
                const std::function<void()> &work)
{
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work();
        finished = true;
    });
    while (!finished) {
        if (when(job.progress())) {
            job.cancel();
            break;
        }
        std::this_thread::yield();
    }
    worker.join();
}

// Scans, after a scan whose result is held, with a job cancelled the moment
// its current path satisfies `at`; data gets what the cancelled scan
// returned, items what its job counted. The cancel comes from another
// thread: on a loaded machine it may land after the folder was measured (as
// many items as `entries`), so a few tries are allowed.
void scanCancelledAt(const std::function<bool(const QString &)> &at, qint64 entries, std::shared_ptr<ORJunkData> &data,
                     qint64 &items)
{
    ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
    for (int attempt = 0; attempt < 3; ++attempt) {
        sw::JobControl first;
        ASSERT_NE(engine.scan(first), nullptr);  // held until the next scan
        sw::JobControl job;
        cancelWhen(job, [&at](const auto &p) { return at(p.currentPath); }, [&] { data = engine.scan(job); });
        items = job.progress().items;
        if (!data && items < entries)
            return;
    }
}

class JunkEngine : public JunkFixture, public ::testing::WithParamInterface<Kind>
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(GetParam());
    }

    QList<qint64> allIDs() const
    {
        QList<qint64> ids;
        for (const ORJunkCategory &c : ORJunkCategory::categories())
            ids.append(c.groupID);
        return ids;
    }

    // One file in the application cache of either layout.
    QString plantCacheFile(const QString &name, qint64 size)
    {
        return homeFile((GetParam() == Kind::MacOS ? QStringLiteral("Library/Caches/") : QStringLiteral(".cache/"))
                            + name,
                        size);
    }
};

TEST_P(JunkEngine, EverySwitchOffGivesNoGroups)
{
    plantCacheFile(QStringLiteral("app/x"), 100);
    const auto data = scan({});
    EXPECT_TRUE(data->junkGroups.isEmpty());
    EXPECT_EQ(data->junkTotalSize, 0);
}

TEST_P(JunkEngine, EnabledCategoriesAreListedInScanOrderEvenWhenEmpty)
{
    enableAll();
    const auto data = engine().junkData();
    QList<qint64> ids;
    QStringList names;
    for (const ORJunkDataGroup &g : data->junkGroups) {
        ids.append(g.groupID);
        names.append(g.groupName);
        EXPECT_EQ(g.groupSize, 0) << g.groupID;
        EXPECT_EQ(g.groupSelectedSize, 0) << g.groupID;
        EXPECT_TRUE(g.groupItems.isEmpty()) << g.groupID;
        EXPECT_FALSE(g.groupInfo.isEmpty()) << g.groupID;
    }
    if (GetParam() == Kind::MacOS) {
        EXPECT_EQ(ids, (QList<qint64>{0, 1, 2, 3, 10, 9, 13, 12, 6, 8, 14, 7}));
        EXPECT_EQ(names.at(10), QStringLiteral("Xcode DerivedData"));
    } else {
        EXPECT_EQ(ids, (QList<qint64>{0, 1, 2, 3, 10, 6, 8, 14, 7}));
        EXPECT_EQ(names.at(7), QStringLiteral("Developer Build Caches"));
    }
    EXPECT_EQ(names.at(0), QStringLiteral("Application Junk Files"));
    EXPECT_EQ(ids, allIDs());
}

TEST_P(JunkEngine, CachesStartMarkedAndTotalsAddUp)
{
    plantCacheFile(QStringLiteral("a/x"), 100);
    plantCacheFile(QStringLiteral("b"), 30);
    homeFile(GetParam() == Kind::MacOS ? QStringLiteral(".Trash/t") : QStringLiteral(".local/share/Trash/files/t"), 7);
    const auto data = scan({0, 6});
    ASSERT_EQ(data->junkGroups.size(), 2);
    const ORJunkDataGroup &cache = data->junkGroups.at(0);
    EXPECT_EQ(cache.groupSize, 130);
    EXPECT_EQ(cache.isGroupDelFlag, 2);
    EXPECT_EQ(cache.groupSelectedSize, 130);
    for (const ORjunkDataItem &item : cache.groupItems) {
        EXPECT_TRUE(item.isDel);
        EXPECT_TRUE(item.isVisible);
        EXPECT_EQ(item.itemName, QFileInfo(item.itemPath).fileName());
    }
    EXPECT_EQ(data->junkTotalSize, 137);
}

// On a Linux desktop the other tools move what they take to the Trash: the
// cleaner must not empty it unasked. The macos layout keeps it ticked.
TEST_P(JunkEngine, TrashStartsUntickedOnlyInTheFreedesktopLayout)
{
    homeFile(GetParam() == Kind::MacOS ? QStringLiteral(".Trash/t") : QStringLiteral(".local/share/Trash/files/t"), 7);
    const auto data = scan({6});
    const ORJunkDataGroup *trash = group(*data, 6);
    ASSERT_NE(trash, nullptr);
    ASSERT_EQ(trash->groupItems.size(), 1);
    const bool ticked = GetParam() == Kind::MacOS;
    EXPECT_EQ(trash->groupItems.first().isDel, ticked);
    EXPECT_EQ(trash->isGroupDelFlag, ticked ? 2 : 0);
    EXPECT_EQ(trash->groupSelectedSize, ticked ? trash->groupSize : 0);
    EXPECT_EQ(data->junkSelectedSize, ticked ? trash->groupSize : 0);
}

TEST_P(JunkEngine, ResultIsPublishedUntilStartOver)
{
    plantCacheFile(QStringLiteral("a"), 10);
    enable({0});
    const auto first = engine().junkData();
    EXPECT_EQ(engine().tempJunkData(), first);
    plantCacheFile(QStringLiteral("b"), 10);
    EXPECT_EQ(engine().junkData(), first);  // no second scan
    EXPECT_EQ(first->junkTotalSize, 10);
    engine().startOver();
    EXPECT_EQ(engine().tempJunkData(), nullptr);
    EXPECT_EQ(engine().junkData()->junkTotalSize, 20);
}

TEST_P(JunkEngine, ProgressArrivesOnTheMainThreadEndingWithTheTotal)
{
    for (int i = 0; i < 50; ++i)
        plantCacheFile(QStringLiteral("app%1/x").arg(i), 10 + i);
    sw::MainQueue::instance().flush();  // nothing left over from earlier scans
    QObject observer;
    QStringList titles;
    QList<qint64> sizes;
    bool offMainThread = false;
    auto &center = ORNotificationCenter::defaultCenter();
    center.addObserver(&observer, QStringLiteral("junktitle"), [&](const QVariant &o) {
        offMainThread |= QThread::currentThread() != qApp->thread();
        titles.append(o.toString());
    });
    center.addObserver(&observer, QStringLiteral("junksize"), [&](const QVariant &o) {
        offMainThread |= QThread::currentThread() != qApp->thread();
        sizes.append(o.toLongLong());
    });

    enable({0});
    std::shared_ptr<ORJunkData> data;
    std::atomic<bool> done{false};
    sw::JobControl job;
    ORDispatch::global(ORDispatch::Priority::Background, [&] {
        data = engine().scan(job);
        ORDispatch::main([&] { done = true; });
    });
    const QDeadlineTimer deadline(60000);
    while (!done && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_TRUE(done);

    EXPECT_FALSE(offMainThread);
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(sizes.constLast(), data->junkTotalSize);
    EXPECT_TRUE(std::is_sorted(sizes.cbegin(), sizes.cend()));
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_TRUE(titles.constLast().startsWith(home)) << titles.constLast().toStdString();
    // The job saw the same: every candidate and entry, the total, the last candidate.
    EXPECT_EQ(engine().result(), data);
    EXPECT_GE(job.progress().items, 100);
    EXPECT_EQ(job.progress().bytes, data->junkTotalSize);
    EXPECT_EQ(job.progress().currentPath, titles.constLast());
}

INSTANTIATE_TEST_SUITE_P(Layouts, JunkEngine, ::testing::Values(Kind::MacOS, Kind::Freedesktop),
                         [](const auto &info) { return info.param == Kind::MacOS ? "macos" : "freedesktop"; });

class MacJunkEngine : public JunkFixture
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(Kind::MacOS);
    }
};

TEST_F(MacJunkEngine, IOSGroupsStartUnmarked)
{
    homeFile(QStringLiteral("Library/iTunes/iPhone Software Updates/fw.ipsw"), 40);
    homeFile(QStringLiteral("Library/Application Support/MobileSync/Backup/dev/Manifest.db"), 60);
    const auto data = scan({9, 12, 13});
    for (qint64 id : {12, 13}) {
        const ORJunkDataGroup *g = group(*data, id);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->isGroupDelFlag, 0) << id;
        EXPECT_EQ(g->groupSelectedSize, 0) << id;
        ASSERT_EQ(g->groupItems.size(), 1) << id;
        EXPECT_FALSE(g->groupItems.first().isDel) << id;
    }
    const ORJunkDataGroup *itunes = group(*data, 9);
    EXPECT_EQ(itunes->isGroupDelFlag, 2);
    EXPECT_EQ(itunes->groupSelectedSize, 40);
    EXPECT_TRUE(itunes->groupItems.first().isDel);
    EXPECT_EQ(data->junkTotalSize, 40 + 60);  // the firmware listed twice counts once
}

TEST_F(JunkFixture, CancelledScanStopsInsideAHugeFolderAndHoldsNothing)
{
    useLayout(Kind::Freedesktop);
    constexpr int kEntries = 5000;
    homeFile(QStringLiteral(".cache/small"), 10);
    plantFiles(tree.path(QStringLiteral("home/.cache/huge")), kEntries, 1);
    enable({0});
    std::shared_ptr<ORJunkData> data;
    qint64 items = 0;
    scanCancelledAt([](const QString &path) { return path.endsWith(QLatin1String("/huge")); }, kEntries, data, items);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(engine().result(), nullptr);
    EXPECT_LT(items, kEntries);  // stopped inside the folder, not after it
}

// A Downloads folder is read entry by entry as the scan goes: its entries
// show as progress, and a cancel stops the listing midway.
TEST_F(JunkFixture, CancelledScanStopsInsideAHugeDownloadsListing)
{
    useLayout(Kind::Freedesktop);
    constexpr int kEntries = 20000;
    plantFiles(tree.path(QStringLiteral("home/Downloads")), kEntries, 1);
    enable({8});
    std::shared_ptr<ORJunkData> data;
    qint64 items = 0;
    scanCancelledAt([](const QString &path) { return path.contains(QLatin1String("/Downloads/")); }, kEntries, data,
                    items);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(engine().result(), nullptr);
    EXPECT_LT(items, kEntries);
}

// What a Linux user expects to keep starts unmarked: the Downloads folder, and
// the browsers' history, cookies and site storage (their caches stay marked).
TEST_F(JunkFixture, FreedesktopKeepsDownloadsAndBrowsingHistoryUnmarked)
{
    useLayout(Kind::Freedesktop);
    homeFile(QStringLiteral("Downloads/setup.iso"), 50);
    homeFile(QStringLiteral(".cache/mozilla/firefox/p.default/cache2/entries/e"), 30);
    homeFile(QStringLiteral(".config/google-chrome/Default/History"), 20);
    homeFile(QStringLiteral(".config/chromium/Default/Cookies"), 7);
    homeFile(QStringLiteral(".config/chromium/Default/Local Storage/leveldb/000003.log"), 5);
    const auto data = scan({7, 8});
    const ORJunkDataGroup *downloads = group(*data, 8);
    ASSERT_NE(downloads, nullptr);
    ASSERT_EQ(downloads->groupItems.size(), 1);
    EXPECT_FALSE(downloads->groupItems.first().isDel);
    EXPECT_EQ(downloads->isGroupDelFlag, 0);
    EXPECT_EQ(downloads->groupSelectedSize, 0);

    const ORJunkDataGroup *browser = group(*data, 7);
    ASSERT_NE(browser, nullptr);
    ASSERT_EQ(browser->groupItems.size(), 4);
    qint64 cacheSize = 0;
    for (const ORjunkDataItem &item : browser->groupItems) {
        const bool cache = item.itemPath.endsWith(QLatin1String("/cache2"));
        EXPECT_EQ(item.isDel, cache) << item.itemPath.toStdString();
        cacheSize += cache ? item.itemSize : 0;
    }
    EXPECT_EQ(browser->isGroupDelFlag, 1);
    EXPECT_EQ(browser->groupSelectedSize, cacheSize);
    EXPECT_EQ(data->junkSelectedSize, cacheSize);
}

// Removal, in both layouts: the folders differ, the rules do not.
class JunkRemoval : public JunkEngine
{
protected:
    bool isMac() const { return GetParam() == Kind::MacOS; }
    QString cacheRel(const QString &rel) const
    {
        return (isMac() ? QStringLiteral("home/Library/Caches/") : QStringLiteral("home/.cache/")) + rel;
    }
    QString trashRel(const QString &rel) const
    {
        return (isMac() ? QStringLiteral("home/.Trash/") : QStringLiteral("home/.local/share/Trash/files/")) + rel;
    }
    ORJunkDataGroup &resultGroup(qint64 id)
    {
        for (ORJunkDataGroup &g : engine().tempJunkData()->junkGroups)
            if (g.groupID == id)
                return g;
        throw std::runtime_error("no such group");
    }
    qint64 removedInRecord() const
    {
        qint64 sum = 0;
        for (const ORJunkDataGroup &g : engine().junkDataDel())
            sum += g.groupSize;
        return sum;
    }
    // Removes what is selected; the picture of the tree before and after.
    std::pair<swtest::TreeSnapshot, swtest::TreeSnapshot> removeWithSnapshots()
    {
        auto before = swtest::TreeSnapshot::of(tree.root());
        engine().deleteJunks();
        return {std::move(before), swtest::TreeSnapshot::of(tree.root())};
    }
    QStringList itemPathsOf(bool wholeOnly) const
    {
        QStringList paths;
        for (const ORJunkDataGroup &g : engine().tempJunkData()->junkGroups)
            for (const ORjunkDataItem &item : g.groupItems)
                if (!wholeOnly || ORJunkCategory::removesWhole(g.groupID))
                    paths << item.itemPath << item.companionPath;
        paths.removeAll(QString());
        return paths;
    }
    // Only listed items went, and the bytes reported are the bytes that went.
    void expectOnlyListedItemsWent(const swtest::TreeSnapshot &before, const swtest::TreeSnapshot &after)
    {
        for (const QString &gone : before.vanished(after))
            EXPECT_TRUE(swtest::TreeSnapshot::isUnder(gone, itemPathsOf(false))) << gone.toStdString();
        EXPECT_TRUE(before.changed(after).isEmpty()) << before.changed(after).join('\n').toStdString();
        EXPECT_EQ(engine().delSize(), before.bytesGone(after, itemPathsOf(true)));
    }
};

TEST_P(JunkRemoval, CacheFolderIsEmptiedButKept)
{
    tree.file(cacheRel("app/a"), 10);
    tree.file(cacheRel("app/sub/b"), 20);
    tree.file(cacheRel("loose"), 5);
    const auto data = scan({0});
    const auto [before, after] = removeWithSnapshots();
    EXPECT_TRUE(tree.exists(cacheRel("app")));
    EXPECT_TRUE(QDir(tree.path(cacheRel("app"))).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    EXPECT_FALSE(tree.exists(cacheRel("loose")));
    expectOnlyListedItemsWent(before, after);
    // Found and removed are measured alike: the sub-folder's own entry counts in both.
    EXPECT_EQ(engine().delSize(), data->junkTotalSize);
    EXPECT_EQ(removedInRecord(), data->junkTotalSize);
    EXPECT_TRUE(engine().removalReport().isClean());
    EXPECT_EQ(engine().tempJunkData()->junkGroups.first().groupItems.size(), 2);  // the result stays as it was
}

TEST_P(JunkRemoval, TrashAndDownloadsItemsAreRemovedWhole)
{
    tree.file(trashRel("dir/x"), 10);
    tree.file(QStringLiteral("home/Downloads/dl/y"), 20);
    if (!isMac())
        tree.text(QStringLiteral("home/.local/share/Trash/info/dir.trashinfo"), "[Trash Info]\nPath=/x/dir\n");
    const auto data = scan({6, 8});
    for (qint64 id : {6, 8})
        sw::selection::setGroupMarked(resultGroup(id), true);  // unmarked at first on Linux
    const auto [before, after] = removeWithSnapshots();
    expectOnlyListedItemsWent(before, after);
    EXPECT_EQ(engine().delSize(), data->junkTotalSize);
    EXPECT_FALSE(tree.exists(trashRel("dir")));
    EXPECT_TRUE(tree.exists(trashRel("")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/Downloads/dl")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Downloads")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/Trash/info/dir.trashinfo")));
}

TEST_P(JunkRemoval, GroupWithFlagZeroIsUntouchedEvenWithMarkedItems)
{
    tree.file(cacheRel("a"), 10);
    tree.file(trashRel("t"), 5);
    scan({0, 6});
    sw::selection::setGroupMarked(resultGroup(6), true);  // unmarked at first on Linux
    resultGroup(0).isGroupDelFlag = 0;
    ASSERT_TRUE(resultGroup(0).groupItems.first().isDel);
    engine().deleteJunks();
    EXPECT_TRUE(tree.exists(cacheRel("a")));
    EXPECT_FALSE(tree.exists(trashRel("t")));
    EXPECT_EQ(engine().delSize(), 5);
}

TEST_P(JunkRemoval, NothingSelectedRemovesNothing)
{
    tree.file(cacheRel("a"), 10);
    scan({0});
    sw::selection::setAllGroupsMarked(engine().tempJunkData()->junkGroups, false);
    engine().deleteJunks();
    EXPECT_TRUE(tree.exists(cacheRel("a")));
    EXPECT_EQ(engine().delSize(), 0);
}

TEST_P(JunkRemoval, MarkedItemHiddenBySearchIsNotRemoved)
{
    tree.file(cacheRel("keep-me"), 10);
    tree.file(cacheRel("drop-me"), 20);
    scan({0});
    sw::selection::applySearch(resultGroup(0), QStringLiteral("DROP"));
    engine().deleteJunks();
    EXPECT_TRUE(tree.exists(cacheRel("keep-me")));
    EXPECT_FALSE(tree.exists(cacheRel("drop-me")));
    EXPECT_EQ(engine().delSize(), 20);
}

TEST_P(JunkRemoval, VanishedItemIsLoggedAndNotCounted)
{
    tree.file(cacheRel("a"), 10);
    tree.file(cacheRel("b"), 20);
    scan({0});
    QFile::remove(tree.path(cacheRel("b")));
    swtest::LogCapture log;
    engine().deleteJunks();
    EXPECT_EQ(engine().delSize(), 10);
    EXPECT_EQ(log.count(QStringLiteral("Fail to remove junk, error=")), 1) << log.lines().join('\n').toStdString();
    const sw::RemovalReport report = engine().removalReport();
    EXPECT_EQ(report.failedCount(), 1);
    EXPECT_EQ(report.failures().value(0).path, tree.path(cacheRel("b")));
}

TEST_P(JunkRemoval, LinkInsideCacheFolderIsRemovedAsLinkAndItsTargetStays)
{
    tree.file(QStringLiteral("outside/precious/p"), 10);
    tree.file(cacheRel("app/real"), 10);
    ASSERT_FALSE(tree.link(cacheRel("app/inner"), tree.path(QStringLiteral("outside/precious"))).isEmpty());
    ASSERT_FALSE(tree.link(cacheRel("app/file-link"), tree.path(QStringLiteral("outside/precious/p"))).isEmpty());
    scan({0});
    engine().deleteJunks();
    EXPECT_FALSE(tree.exists(cacheRel("app/inner")));
    EXPECT_FALSE(tree.exists(cacheRel("app/file-link")));
    EXPECT_TRUE(tree.exists(cacheRel("app")));
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("outside/precious/p"))).size(), 10);
}

TEST_P(JunkRemoval, CacheItemThatLinksToAFolderIsNotEmptiedThroughTheLink)
{
    tree.file(QStringLiteral("outside/dir/f"), 10);
    const QString target = tree.path(QStringLiteral("outside/dir"));
    ASSERT_FALSE(tree.link(cacheRel("linkdir"), target).isEmpty());
    const auto data = scan({0});
    ASSERT_EQ(itemPaths(*group(*data, 0)), QStringList{cacheRel("linkdir")});
    EXPECT_EQ(group(*data, 0)->groupSize, target.toLocal8Bit().size());  // the link itself, not its target
    engine().deleteJunks();
    EXPECT_FALSE(tree.exists(cacheRel("linkdir")));
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/dir/f")));
}

TEST_P(JunkRemoval, ProtectedAndTopLevelFoldersAreNeverRemoved)
{
    tree.file(cacheRel("a"), 10);
    tree.file(QStringLiteral("home/Downloads/d"), 10);
    tree.folder(trashRel(QString()));
    const QStringList guarded = {rootFile(QStringLiteral("etc/passwd"), 10),
                                 rootFile(QStringLiteral("var/cache/debconf/config.dat"), 10),
                                 rootFile(QStringLiteral("usr/lib/x.so"), 10), home, root,
                                 tree.path(QStringLiteral("home/Downloads")), tree.path(trashRel("")).chopped(1)};
    scan({0, 8});
    sw::selection::setGroupMarked(resultGroup(8), true);
    for (const QString &path : guarded) {
        for (qint64 id : {0, 8}) {
            ORjunkDataItem item;
            item.itemPath = path;
            item.itemSize = 10;
            item.isDel = true;
            resultGroup(id).groupItems.append(item);
        }
    }
    swtest::LogCapture log;
    engine().deleteJunks();
    for (const QString &path : guarded)
        EXPECT_TRUE(swtest::FixtureTree::existsAt(path)) << path.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("root/etc/passwd")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Downloads")));
    EXPECT_FALSE(tree.exists(cacheRel("a")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/Downloads/d")));
    EXPECT_EQ(engine().delSize(), 20);
}

// Cancel pressed while a big cache folder is being emptied, with links to a
// folder outside among its entries: the removal stops between two entries,
// the items after it stay, and what the report says went is what went.
// (Where exactly a walk stops is tested in test_FolderTree.)
TEST_P(JunkRemoval, CancelledRemovalStopsInsideAFolderAndReportsExactlyWhatWent)
{
    tree.file(QStringLiteral("outside/precious/p"), 10);
    plantFiles(tree.path(cacheRel("big")), 1500, 100);
    for (int i = 0; i < 150; ++i)
        ASSERT_FALSE(tree.link(cacheRel(QStringLiteral("big/l%1").arg(i)), tree.path(QStringLiteral("outside/precious")))
                         .isEmpty());
    for (int i = 0; i < 20; ++i)
        tree.file(cacheRel(QStringLiteral("other%1/x").arg(i)), 10);
    const auto data = scan({0});
    sw::JobControl job;
    sw::RemovalReport report;
    const auto before = swtest::TreeSnapshot::of(tree.root());
    cancelWhen(
        job, [](const auto &p) { return p.currentPath.endsWith(QLatin1String("/big")); },
        [&] { report = engine().remove(job); });
    const auto after = swtest::TreeSnapshot::of(tree.root());

    expectOnlyListedItemsWent(before, after);
    EXPECT_EQ(report.removedBytes(), engine().delSize());
    EXPECT_EQ(removedInRecord(), report.removedBytes());
    EXPECT_EQ(job.progress().bytes, report.removedBytes());
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("outside/precious/p"))).size(), 10);
    // The folder was stopped in: it says so, and keeps the rest.
    ASSERT_FALSE(report.outcomes().isEmpty());
    const sw::RemovalOutcome &last = report.outcomes().constLast();
    EXPECT_TRUE(last.path.endsWith(QLatin1String("/big"))) << last.path.toStdString();
    EXPECT_FALSE(last.ok());
    EXPECT_GT(last.removed, 0);
    EXPECT_LT(last.removed, last.size);
    EXPECT_FALSE(QDir(tree.path(cacheRel("big"))).isEmpty());
    // Items not reached are whole and absent from the report.
    EXPECT_LT(report.outcomes().size(), data->junkGroups.first().groupItems.size());
    for (const ORjunkDataItem &item : data->junkGroups.first().groupItems) {
        const bool handled = std::any_of(report.outcomes().cbegin(), report.outcomes().cend(),
                                         [&](const auto &o) { return o.path == item.itemPath; });
        if (!handled) {
            EXPECT_TRUE(QFileInfo::exists(item.itemPath + QStringLiteral("/x"))) << item.itemPath.toStdString();
        }
    }
}

// System caches and logs the user may not remove: marked by the user, they go
// after the user's own items in one privileged run (one password prompt).
class AdminJunkRemoval : public JunkFixture
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(Kind::Freedesktop);
        rootFile(QStringLiteral("var/cache/apt/archives/a.deb"), 100);
        rootFile(QStringLiteral("var/log/syslog.1"), 20);
        homeFile(QStringLiteral(".cache/own/x"), 10);
        scan({0, 2, 3});
        // Root may remove anything, so the items are made the user's way here.
        for (ORJunkDataGroup &g : engine().tempJunkData()->junkGroups)
            for (qsizetype i = 0; i < g.groupItems.size(); ++i)
                if (g.groupID != 0) {
                    g.groupItems[i].needsAdmin = true;
                    sw::selection::setItemMarked(g, i, true);
                }
    }
    void TearDown() override
    {
        engine().setAdminRemoval(true);
        JunkFixture::TearDown();
    }
    swtest::PkexecStandIn pkexec;
};

TEST_F(AdminJunkRemoval, OnePrivilegedRunAfterTheUsersOwnItems)
{
    engine().deleteJunks();
    ASSERT_EQ(pkexec.starts().size(), 1);
    EXPECT_TRUE(pkexec.starts().constFirst().contains(QStringLiteral("sweepwright-privileged")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/apt")));  // emptied, kept
    EXPECT_FALSE(tree.exists(QStringLiteral("root/var/cache/apt/archives")));
    EXPECT_FALSE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/own/x")));
    EXPECT_TRUE(engine().removalReport().isClean());
    EXPECT_EQ(engine().delSize(), engine().tempJunkData()->junkTotalSize);
}

TEST_F(AdminJunkRemoval, CancelledPromptLeavesThemInPlaceAndSaysSo)
{
    pkexec.setMode("cancel");
    engine().deleteJunks();
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/apt/archives/a.deb")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/own/x")));
    const sw::RemovalReport report = engine().removalReport();
    EXPECT_EQ(report.failedCount(), 2);
    EXPECT_EQ(report.failedBytes(), engine().tempJunkData()->junkTotalSize - 10);
    for (const sw::RemovalFailure &failure : report.failures())
        EXPECT_TRUE(failure.reason.contains(QStringLiteral("cancelled"))) << failure.reason.toStdString();
}

TEST_F(AdminJunkRemoval, CancelledRemovalAsksNobody)
{
    sw::JobControl job;
    job.cancel();
    const sw::RemovalReport report = engine().remove(job);
    EXPECT_TRUE(pkexec.starts().isEmpty());
    EXPECT_TRUE(report.outcomes().isEmpty());
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.cache/own/x")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
}

TEST_F(AdminJunkRemoval, WithoutAdminRemovalTheyAreSkippedAndNobodyIsAsked)
{
    engine().setAdminRemoval(false);
    engine().deleteJunks();
    EXPECT_TRUE(pkexec.starts().isEmpty());
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_EQ(engine().removalReport().failedCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Layouts, JunkRemoval, ::testing::Values(Kind::MacOS, Kind::Freedesktop),
                         [](const auto &info) { return info.param == Kind::MacOS ? "macos" : "freedesktop"; });

TEST_F(MacJunkEngine, FirmwareListedTwiceIsRemovedOnceAndTheSecondListingIsNoFailure)
{
    homeFile(QStringLiteral("Library/iTunes/iPhone Software Updates/fw.ipsw"), 40);
    const auto data = scan({9, 12});
    for (ORJunkDataGroup &g : engine().tempJunkData()->junkGroups)
        if (g.groupID == 12)
            sw::selection::setGroupMarked(g, true);
    EXPECT_EQ(sw::JunkOverlap::selectedSize(*engine().tempJunkData()), 40);
    swtest::LogCapture log;
    engine().deleteJunks();
    EXPECT_FALSE(tree.exists(QStringLiteral("home/Library/iTunes/iPhone Software Updates/fw.ipsw")));
    EXPECT_EQ(engine().delSize(), 40);
    EXPECT_EQ(log.count(QStringLiteral("Fail to remove junk, error=")), 0);
    EXPECT_TRUE(engine().removalReport().isClean());
    ASSERT_EQ(engine().junkDataDel().size(), 1);
    EXPECT_EQ(engine().junkDataDel().first().groupID, 9);
}

// A cache folder listed whole by the application caches holds a browser
// cache the browser category lists too: every byte counts once, in the
// totals and in what removal reports, whichever goes first.
TEST_F(MacJunkEngine, OverlappingCategoriesCountEachByteOnce)
{
    homeFile(QStringLiteral("Library/Caches/com.apple.Safari/Cache.db"), 300);
    homeFile(QStringLiteral("Library/Caches/com.apple.Safari/fsCachedData/blob"), 200);
    homeFile(QStringLiteral("Library/Caches/other/x"), 50);
    const auto data = scan({0, 7});
    const qint64 appCaches = group(*data, 0)->groupSize;
    EXPECT_EQ(group(*data, 7)->groupSize, 500);  // the browser group shows what it found
    EXPECT_EQ(data->junkTotalSize, appCaches);
    EXPECT_EQ(data->junkSelectedSize, appCaches);
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    engine().deleteJunks();
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(engine().delSize(), appCaches);
    EXPECT_EQ(engine().delSize(), before.bytesGone(after));
    EXPECT_TRUE(engine().removalReport().isClean());  // gone with its folder: no failure
}

}  // namespace
