// SPDX-License-Identifier: GPL-3.0-or-later
// The large-file finder's engine: size bands, filters, packages, links,
// progress, the lifecycle and the move to the Trash, on sparse files.

#include "support/FinderTestSupport.h"

#include "core/bigs/ORBigDataCollection.h"
#include "core/foundation/ORSelection.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

using swtest::FixtureTree;
using swtest::sparseFile;

namespace {

constexpr qint64 MiB = 1024 * 1024;
// The bands are bounded in the units sizes are shown in.
constexpr qint64 MB = 1000 * 1000;

class BigEngine : public swtest::FinderFixture<ORBigDataCollection>
{
protected:
    std::shared_ptr<ORBigData> scan(const QStringList &folders = {})
    {
        prepare(folders);
        return engine().bigData();
    }

    QString big(const QString &rel, qint64 size) { return sparseFile(tree, QStringLiteral("scan/") + rel, size); }

    // The last file the scan looks at: it walks each folder in the order
    // the file system lists it.
    QString lastFileWalked() const
    {
        QString last;
        sw::FolderWalker(sw::FolderWalker::Order::AsRead).walk(scanned, [&last](const sw::FolderWalker::Entry &e) {
            if (!e.isFolder())
                last = e.path();
            return sw::FolderWalker::Step::Next;
        });
        return last;
    }

    static QStringList listed(const ORBigData &data)
    {
        QStringList paths;
        for (const ORBigDataGroup &group : data.bigGroups)
            for (const ORBigDataItem &item : group.groupItems)
                paths << item.itemPath;
        return paths;
    }
};

// --- size bands --------------------------------------------------------------

struct BandRow
{
    const char *name;
    qint64 size;
    qint64 bigID;  // -1: not listed
    const char *groupName;
    const char *groupInfo;
};

class BigBands : public BigEngine, public ::testing::WithParamInterface<BandRow>
{
};

TEST_P(BigBands, FileIsFiledByItsSize)
{
    const BandRow &row = GetParam();
    const QString path = big(QStringLiteral("file.bin"), row.size);
    const auto data = scan();
    if (row.bigID < 0) {
        EXPECT_TRUE(data->bigGroups.isEmpty());
        return;
    }
    ASSERT_EQ(data->bigGroups.size(), 1);
    const ORBigDataGroup &group = data->bigGroups.first();
    EXPECT_EQ(group.bigID, row.bigID);
    EXPECT_EQ(group.groupName, QString::fromLatin1(row.groupName));
    EXPECT_EQ(group.groupInfo, QString::fromLatin1(row.groupInfo));
    ASSERT_EQ(group.groupItems.size(), 1);
    const ORBigDataItem &item = group.groupItems.first();
    EXPECT_EQ(item.itemPath, path);
    EXPECT_EQ(item.itemName, QStringLiteral("file.bin"));
    EXPECT_EQ(item.itemSize, row.size);
    EXPECT_FALSE(item.isDel);
    EXPECT_EQ(group.groupSize, row.size);
    EXPECT_EQ(data->bigTotalSize, row.size);
    EXPECT_EQ(group.isGroupDelFlag, 0);
    EXPECT_EQ(group.groupSelectedSize, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BigBands,
    ::testing::Values(BandRow{"one_byte_short_of_32MB", 32 * MB - 1, -1, "", ""},
                      BandRow{"exactly_32MB", 32 * MB, 4, "32 MB to 128 MB", "Files of 32 MB and more, below 128 MB"},
                      BandRow{"just_under_128MB", 128 * MB - 1, 4, "32 MB to 128 MB",
                              "Files of 32 MB and more, below 128 MB"},
                      BandRow{"exactly_128MB", 128 * MB, 3, "128 MB to 256 MB", "Files of 128 MB and more, below 256 MB"},
                      BandRow{"exactly_256MB", 256 * MB, 2, "256 MB to 512 MB", "Files of 256 MB and more, below 512 MB"},
                      BandRow{"exactly_512MB", 512 * MB, 1, "512 MB to 1 GB", "Files of 512 MB and more, below 1 GB"},
                      BandRow{"just_under_1GB", 1000 * MB - 1, 1, "512 MB to 1 GB", "Files of 512 MB and more, below 1 GB"},
                      BandRow{"exactly_1GB", 1000 * MB, 0, "1 GB and more", "Files of 1 GB and more"},
                      BandRow{"five_GB", 5000 * MB, 0, "1 GB and more", "Files of 1 GB and more"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BigEngine, OnlyNonEmptyBandsAreGroupsSmallestBandFirst)
{
    big(QStringLiteral("z-huge.iso"), 2048 * MiB);
    big(QStringLiteral("a-small.mov"), 40 * MiB);
    big(QStringLiteral("m-small.mov"), 50 * MiB);
    const auto data = scan();
    ASSERT_EQ(data->bigGroups.size(), 2);
    EXPECT_EQ(data->bigGroups[0].bigID, 4);
    EXPECT_EQ(data->bigGroups[1].bigID, 0);
    EXPECT_EQ(data->bigGroups[0].groupSize, 90 * MiB);
    EXPECT_EQ(data->bigTotalSize, 90 * MiB + 2048 * MiB);
    // Items in the order found: folders' entries by name.
    EXPECT_EQ(data->bigGroups[0].groupItems[0].itemName, QStringLiteral("a-small.mov"));
    EXPECT_EQ(data->bigGroups[0].groupItems[1].itemName, QStringLiteral("m-small.mov"));
}

TEST_F(BigEngine, NothingBigEnoughGivesNoGroups)
{
    big(QStringLiteral("a.bin"), 1 * MiB);
    tree.file(QStringLiteral("scan/b.txt"), 100);
    const auto data = scan({scanned, tree.path(QStringLiteral("missing-folder"))});
    EXPECT_TRUE(data->bigGroups.isEmpty());
    EXPECT_EQ(data->bigTotalSize, 0);
}

// --- filters ---------------------------------------------------------------------

struct FilterRow
{
    const char *name;
    const char *rel;
    bool listed;
};

class BigFilters : public BigEngine, public ::testing::WithParamInterface<FilterRow>
{
};

TEST_P(BigFilters, FileOf40MiB)
{
    const QString path = big(QString::fromUtf8(GetParam().rel), 40 * MiB);
    EXPECT_EQ(listed(*scan()).contains(path), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BigFilters,
    ::testing::Values(FilterRow{"movie", "film.mkv", true},
                      FilterRow{"database", "cache.db", false},
                      FilterRow{"database_in_capitals", "CACHE.DB", false},
                      FilterRow{"property_list", "x.plist", false},
                      FilterRow{"python", "deep/x.py", false},
                      FilterRow{"jpeg_is_only_left_out_by_duplicates", "photo.jpeg", true},
                      FilterRow{"name_that_is_only_a_dot_and_db", ".db", true},
                      FilterRow{"hidden_file_in_the_folder", ".hidden-movie.mov", true},
                      FilterRow{"hidden_file_in_a_subfolder", "sub/.hidden.mov", true},
                      FilterRow{"file_in_a_hidden_folder", ".secret/film.mkv", false},
                      FilterRow{"file_below_a_hidden_folder", "a/.cache/b/film.mkv", false},
                      FilterRow{"file_in_a_folder_named_like_an_extension", "x.db/film.mkv", true},
                      FilterRow{"ds_store_below_the_root", "sub/.DS_Store", true},
                      FilterRow{"ds_store_in_the_root", ".DS_Store", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(BigEngine, PackageIsListedWholeWithItsSummedSize)
{
    big(QStringLiteral("Tool.app/Contents/MacOS/tool"), 200 * MiB);
    big(QStringLiteral("Tool.app/Contents/Resources/data.bin"), 100 * MiB);
    const auto data = scan();
    ASSERT_EQ(data->bigGroups.size(), 1);
    ASSERT_EQ(data->bigGroups[0].groupItems.size(), 1);
    const ORBigDataItem &item = data->bigGroups[0].groupItems[0];
    EXPECT_EQ(item.itemPath, tree.path(QStringLiteral("scan/Tool.app")));
    EXPECT_EQ(item.itemSize, sw::FolderWalker::totalSize(item.itemPath));
    EXPECT_GE(item.itemSize, 300 * MiB);
    EXPECT_EQ(data->bigGroups[0].bigID, 2);
}

TEST_F(BigEngine, DocsetIsNeverEnteredButListedAsOnePackage)
{
    big(QStringLiteral("Guide.docset/Contents/Resources/index.bin"), 40 * MiB);
    EXPECT_EQ(listed(*scan()), QStringList{tree.path(QStringLiteral("scan/Guide.docset"))});
}

TEST_F(BigEngine, RootInsideAHiddenFolderIsNotScanned)
{
    big(QStringLiteral(".local/videos/film.mkv"), 40 * MiB);
    EXPECT_TRUE(scan({tree.path(QStringLiteral("scan/.local/videos"))})->bigGroups.isEmpty());
}

TEST_F(BigEngine, NamesThatAreNoValidTextArePassedOver)
{
    const QByteArray folder = QFile::encodeName(scanned);
    ASSERT_EQ(::mkdir((folder + "/bad\xff").constData(), 0755), 0);
    for (const QByteArray &rel : {QByteArray("/film\xfe.mkv"), QByteArray("/bad\xff/film.mkv")}) {
        const int fd = ::open((folder + rel).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 40 * MiB), 0);
        ::close(fd);
    }
    const QString good = big(QStringLiteral("good.mkv"), 40 * MiB);
    EXPECT_EQ(listed(*scan()), QStringList{good});
}

// --- links -----------------------------------------------------------------------

TEST_F(BigEngine, SymbolicLinksAreNeverFollowed)
{
    const QString outside = sparseFile(tree, QStringLiteral("outside/film.mkv"), 40 * MiB);
    tree.link(QStringLiteral("scan/link-to-file.mkv"), outside);
    tree.link(QStringLiteral("scan/link-to-folder"), tree.path(QStringLiteral("outside")));
    EXPECT_TRUE(scan()->bigGroups.isEmpty());
}

TEST_F(BigEngine, RootThatIsALinkToAFolderIsWalked)
{
    const QString film = sparseFile(tree, QStringLiteral("outside/film.mkv"), 40 * MiB);
    const QString link = tree.link(QStringLiteral("scan/videos"), tree.path(QStringLiteral("outside")));
    EXPECT_EQ(listed(*scan({link})), QStringList{link + QStringLiteral("/film.mkv")});
    EXPECT_TRUE(QFileInfo::exists(film));
}

TEST_F(BigEngine, FileReachedThroughSeveralLinksOrFoldersIsListedOnce)
{
    const QString first = big(QStringLiteral("a/film.mkv"), 40 * MiB);
    ASSERT_FALSE(swtest::hardLink(tree, first, QStringLiteral("scan/b/same-film.mkv")).isEmpty());
    const auto data = scan({scanned, tree.path(QStringLiteral("scan/a"))});
    EXPECT_EQ(listed(*data), QStringList{first});
    EXPECT_EQ(data->bigTotalSize, 40 * MiB);
}

TEST_F(BigEngine, ItemsComeInTheOrderOfASortedWalkWhateverTheFolderListsFirst)
{
    // Made out of order, so that neither the order made nor its reverse is sorted.
    for (const char *rel : {"b.mkv", "c y.mkv", "a.mkv", "c/x.mkv"})
        big(QString::fromLatin1(rel), 40 * MiB);
    QStringList sorted;
    for (const char *rel : {"a.mkv", "b.mkv", "c/x.mkv", "c y.mkv"})
        sorted << tree.path(QStringLiteral("scan/") + QLatin1String(rel));
    EXPECT_EQ(listed(*scan()), sorted);
}

// --- progress, dates and lifecycle ---------------------------------------------

TEST_F(BigEngine, ProgressEndsOnTheLastPathAndTheTotal)
{
    swtest::NotificationLog log({QStringLiteral("bigtitle"), QStringLiteral("bigszie")});
    big(QStringLiteral("a.mkv"), 40 * MiB);
    big(QStringLiteral("b.mkv"), 200 * MiB);
    tree.file(QStringLiteral("scan/z-small.txt"), 10);
    const auto data = scan();
    log.deliver();
    EXPECT_EQ(log.last(QStringLiteral("bigszie")).toLongLong(), data->bigTotalSize);
    // The last path looked at always arrives, whatever was coalesced; the
    // walk takes a folder's entries in the order the file system lists them.
    EXPECT_EQ(log.last(QStringLiteral("bigtitle")).toString(), lastFileWalked());
}

TEST_F(BigEngine, ModificationDateIsTodayOrTheDay)
{
    big(QStringLiteral("new.mkv"), 40 * MiB);
    const QString old = big(QStringLiteral("old.mkv"), 40 * MiB);
    const QDateTime noon(QDate(2021, 3, 4), QTime(12, 0));
    ASSERT_TRUE(swtest::setModificationTime(old, noon.toSecsSinceEpoch()));
    const auto data = scan();
    ASSERT_EQ(data->bigGroups.size(), 1);
    EXPECT_EQ(data->bigGroups[0].groupItems[0].itemModDate, QStringLiteral("today"));
    EXPECT_EQ(data->bigGroups[0].groupItems[1].itemModDate, QLocale().toString(noon.date(), QLocale::ShortFormat));
    EXPECT_EQ(data->bigGroups[0].groupItems[1].itemModTime, noon.toMSecsSinceEpoch());
}

TEST_F(BigEngine, ResultIsKeptUntilStartOver)
{
    big(QStringLiteral("a.mkv"), 40 * MiB);
    const auto first = scan();
    big(QStringLiteral("b.mkv"), 40 * MiB);
    EXPECT_EQ(engine().bigData(), first);
    EXPECT_EQ(engine().tempBigData(), first);
    engine().startOver();
    EXPECT_EQ(engine().tempBigData(), nullptr);
    EXPECT_TRUE(engine().folders().isEmpty());
    EXPECT_TRUE(engine().excludeFiles().isEmpty());
    EXPECT_TRUE(engine().excludeFolders().isEmpty());
    EXPECT_EQ(listed(*scan()).size(), 2);
}

TEST_F(BigEngine, DefaultFoldersFollowTheLayout)
{
    EXPECT_EQ(ORBigDataCollection::defaultFolders(),
              (QStringList{home + "/Documents", home + "/Downloads", home + "/Videos", home + "/Pictures"}));
    // A folder two keys name is scanned once.
    tree.text(QStringLiteral("home/.config/user-dirs.dirs"),
              "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\nXDG_VIDEOS_DIR=\"$HOME/Films\"\nXDG_PICTURES_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(ORBigDataCollection::defaultFolders(),
              (QStringList{home + "/Papers", home + "/Downloads", home + "/Films"}));
    ORLayout::set(ORLayout::Kind::MacOS, tree.path(QStringLiteral("root")), home);
    EXPECT_EQ(ORBigDataCollection::defaultFolders(), (QStringList{home + "/Documents", home + "/Movies"}));
    EXPECT_EQ(ORBigDataCollection::defaultExcludeFiles().size(), 33);
    EXPECT_EQ(ORBigDataCollection::defaultExcludeFolders(), (QStringList{"/.[^/]*", "[^/]*.docset$"}));
}

// --- the job: cancel and progress ------------------------------------------------

TEST_F(BigEngine, CancelledScanReturnsNothingAndHoldsNothing)
{
    const QString film = big(QStringLiteral("a/film.mkv"), 40 * MiB);
    tree.file(QStringLiteral("scan/b/note.txt"), 10);
    prepare({});
    sw::JobControl job;
    const auto data = engine().scan(job);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(listed(*data), QStringList{film});
    EXPECT_EQ(engine().result(), data);
    const sw::JobControl::Progress progress = job.progress();
    EXPECT_EQ(progress.items, 2);
    EXPECT_EQ(progress.bytes, 40 * MiB);
    EXPECT_EQ(progress.currentPath, lastFileWalked());

    sw::JobControl cancelled;
    cancelled.cancel();
    EXPECT_EQ(engine().scan(cancelled), nullptr);
    EXPECT_EQ(engine().result(), nullptr);  // the earlier result is gone too
    EXPECT_EQ(engine().tempBigData(), nullptr);
    EXPECT_EQ(cancelled.progress().items, 0);
}

// The job whose removal a test cancels from inside (a failure's log line).
sw::JobControl *g_cancelOnLog = nullptr;

TEST_F(BigEngine, CancelledRemovalStopsAfterTheCurrentItemAndReportsWhatWent)
{
    const QString a = big(QStringLiteral("a.mkv"), 40 * MiB);
    const QString b = big(QStringLiteral("b.mkv"), 50 * MiB);
    const QString c = big(QStringLiteral("c.mkv"), 60 * MiB);
    const auto data = scan();
    sw::selection::setGroupMarked(data->bigGroups[0], true);
    ASSERT_TRUE(QFile::remove(b));  // its failure is logged while it is the current item
    sw::JobControl job;
    g_cancelOnLog = &job;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {
        g_cancelOnLog->cancel();
    });
    const sw::RemovalReport report = engine().remove(job);
    qInstallMessageHandler(previous);
    g_cancelOnLog = nullptr;

    ASSERT_EQ(report.outcomes().size(), 2);
    EXPECT_EQ(report.outcomes()[0].path, a);
    EXPECT_TRUE(report.outcomes()[0].ok());
    EXPECT_EQ(report.outcomes()[1].path, b);
    EXPECT_FALSE(report.outcomes()[1].ok());
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(c));  // never begun
    EXPECT_EQ(report.removedBytes(), 40 * MiB);
    EXPECT_EQ(engine().delSize(), 40 * MiB);
    EXPECT_EQ(job.progress().items, 1);
    EXPECT_EQ(job.progress().bytes, 40 * MiB);
}

// --- removal -----------------------------------------------------------------------

TEST_F(BigEngine, MarkedVisibleItemsGoToTheTrashAndAreCounted)
{
    const QString a = big(QStringLiteral("a.mkv"), 40 * MiB);
    const QString b = big(QStringLiteral("b.mkv"), 50 * MiB);
    const QString c = big(QStringLiteral("c.mkv"), 60 * MiB);
    const QString d = big(QStringLiteral("d.iso"), 300 * MiB);
    const auto data = scan();
    ASSERT_EQ(data->bigGroups.size(), 2);
    ORBigDataGroup &small = data->bigGroups[0];
    sw::selection::setGroupMarked(small, true);
    small.groupItems[1].isVisible = false;  // filtered out by a search: stays
    data->bigGroups[1].groupItems[0].isDel = true;  // its group's flag is 0: stays
    engine().deleteBigs();
    EXPECT_EQ(engine().delSize(), 100 * MiB);
    const sw::RemovalReport report = engine().removalReport();
    QStringList tried;
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        tried << outcome.path;
    EXPECT_EQ(tried, (QStringList{a, c}));
    EXPECT_TRUE(report.isClean());
    EXPECT_FALSE(QFileInfo::exists(a));
    EXPECT_TRUE(QFileInfo::exists(b));
    EXPECT_FALSE(QFileInfo::exists(c));
    EXPECT_TRUE(QFileInfo::exists(d));
    EXPECT_TRUE(QFileInfo::exists(home + "/.local/share/Trash/files/a.mkv"));
    EXPECT_TRUE(QFileInfo::exists(home + "/.local/share/Trash/info/c.mkv.trashinfo"));
    EXPECT_EQ(engine().bigData()->bigGroups[0].groupItems.size(), 3);  // the result is not changed
}

TEST_F(BigEngine, ItemThatVanishedIsLoggedAndNotCounted)
{
    const QString a = big(QStringLiteral("a.mkv"), 40 * MiB);
    const QString b = big(QStringLiteral("b.mkv"), 50 * MiB);
    const auto data = scan();
    sw::selection::setGroupMarked(data->bigGroups[0], true);
    ASSERT_TRUE(QFile::remove(a));
    swtest::LogCapture log;
    engine().deleteBigs();
    EXPECT_EQ(engine().delSize(), 50 * MiB);
    EXPECT_EQ(log.count(QStringLiteral("Fail to remove junk, error=") + a), 1);
    EXPECT_FALSE(QFileInfo::exists(b));
    const sw::RemovalReport report = engine().removalReport();
    EXPECT_EQ(report.failedCount(), 1);
    ASSERT_FALSE(report.failures().isEmpty());
    EXPECT_EQ(report.failures().constFirst().path, a);
}

TEST_F(BigEngine, FileTheUserMayNotDeleteIsNotListed)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may delete anything";
    big(QStringLiteral("locked/film.mkv"), 40 * MiB);
    ASSERT_TRUE(QFile::setPermissions(tree.path(QStringLiteral("scan/locked")),
                                      QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_TRUE(scan()->bigGroups.isEmpty());
    QFile::setPermissions(tree.path(QStringLiteral("scan/locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
