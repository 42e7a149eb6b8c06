// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate finder, stage by stage (sizes, hard links, sampled digests,
// confirmation of contents, packages, grouping) and as a whole engine:
// fields, order, progress, lifecycle and the move to the Trash.

#include "support/FinderTestSupport.h"
#include "support/TreeSnapshot.h"

#include "core/dups/DupCandidates.h"
#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupStages.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/dups/PackageComparer.h"
#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using sw::CandidateSet;
using sw::DupCandidates;
using sw::DupStages;
using swtest::FixtureTree;
using swtest::changedAt;
using swtest::pattern;

namespace {

class DupEngine : public swtest::FinderFixture<ORDupDataCollection>
{
protected:
    void TearDown() override
    {
        engine().setConfirmContents(true);
        FinderFixture::TearDown();
    }

    // One set of three copies, ref/a in a reference folder, b and c outside.
    std::shared_ptr<ORDupData> referenceSet()
    {
        put(QStringLiteral("ref/a"), pattern(1, 30000));
        put(QStringLiteral("b"), pattern(1, 30000));
        put(QStringLiteral("c"), pattern(1, 30000));
        prepare({});
        engine().setReferenceFolders({scanned + QStringLiteral("/ref")});
        return engine().dupData();
    }

    std::shared_ptr<ORDupData> scan(bool confirm = true, const QStringList &folders = {})
    {
        prepare(folders);
        engine().setConfirmContents(confirm);
        return engine().dupData();
    }

    QString put(const QString &rel, const QByteArray &bytes) { return tree.text(QStringLiteral("scan/") + rel, bytes); }

    // Candidates for the stage functions, as the walk would file them.
    static void file(DupCandidates &candidates, const QString &path, bool package = false)
    {
        struct stat st{};
        ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
        candidates.add(path, package ? ORUtility::fileSizeByPath(path) : st.st_size, st.st_dev, st.st_ino, package);
    }
};

using Groups = QList<QStringList>;

// --- sizes ---------------------------------------------------------------------------

TEST_F(DupEngine, SizesSharedByTwoOrMoreFormSetsLargestFirstInWalkOrder)
{
    DupCandidates candidates;
    const qint64 sizes[] = {5, 20, 1, 20, 5, 7};
    for (int i = 0; i < 6; ++i)
        candidates.add(QStringLiteral("/f%1").arg(i), sizes[i], 1, quint64(i), false);
    const sw::CandidateSets sets = DupStages::groupBySize(candidates);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets.at(0), (CandidateSet{1, 3}));
    EXPECT_EQ(sets.at(1), (CandidateSet{0, 4}));
}

struct ThresholdRow
{
    const char *name;
    qint64 size;
    bool reported;
};

class DupThreshold : public DupEngine, public ::testing::WithParamInterface<ThresholdRow>
{
};

TEST_P(DupThreshold, TwoCopies)
{
    const QByteArray bytes = pattern(1, GetParam().size);
    put(QStringLiteral("a.bin"), bytes);
    put(QStringLiteral("b.bin"), bytes);
    const auto data = scan();
    ASSERT_EQ(data->dupGroups.size(), GetParam().reported ? 1 : 0);
    if (GetParam().reported) {
        EXPECT_EQ(data->dupGroups[0].groupSize, 2 * GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DupThreshold,
                         ::testing::Values(ThresholdRow{"exactly_16384", 16384, false},
                                           ThresholdRow{"one_more", 16385, true},
                                           ThresholdRow{"tiny", 10, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- hard links ---------------------------------------------------------------------

TEST_F(DupEngine, FurtherPathsToOneFileAreDropped)
{
    DupCandidates candidates;
    candidates.add(QStringLiteral("/a"), 100, 1, 7, false);
    candidates.add(QStringLiteral("/b"), 100, 1, 8, false);
    candidates.add(QStringLiteral("/a-link"), 100, 1, 7, false);
    candidates.add(QStringLiteral("/other-disk"), 100, 2, 7, false);
    EXPECT_EQ(DupStages::dropHardLinks(candidates, {0, 1, 2, 3}), (CandidateSet{0, 1, 3}));
    EXPECT_EQ(DupStages::dropHardLinks(candidates, {0, 2}), CandidateSet{});
}

TEST_F(DupEngine, HardLinksAreOneFileNeverAGroup)
{
    const QString first = put(QStringLiteral("a/song.mp3"), pattern(3, 50000));
    ASSERT_FALSE(swtest::hardLink(tree, first, QStringLiteral("scan/b/song-link.mp3")).isEmpty());
    EXPECT_EQ(groups(*scan()), Groups{});
    put(QStringLiteral("c/copy.mp3"), pattern(3, 50000));
    EXPECT_EQ(groups(*scan()), (Groups{{"a/song.mp3", "c/copy.mp3"}}));
}

TEST_F(DupEngine, MembersAndGroupsComeInTheOrderOfASortedWalkOfTheRootsInTurn)
{
    // Made out of order, so that neither the order made nor its reverse is
    // sorted; "m b" sorts after the folder "m" and all that is in it.
    const QByteArray x = pattern(4, 30000);
    const QByteArray y = pattern(5, 30000);
    put(QStringLiteral("m b.bin"), x);
    put(QStringLiteral("m/x.bin"), x);
    put(QStringLiteral("b.bin"), y);
    put(QStringLiteral("c.bin"), x);
    put(QStringLiteral("0.bin"), y);
    put(QStringLiteral("a.bin"), x);
    EXPECT_EQ(groups(*scan()), (Groups{{"0.bin", "b.bin"}, {"a.bin", "c.bin", "m/x.bin", "m b.bin"}}));
    // A root named first is found first, whatever its name.
    EXPECT_EQ(groups(*scan(true, {scanned + QStringLiteral("/m"), scanned})),
              (Groups{{"m/x.bin", "a.bin", "c.bin", "m b.bin"}, {"0.bin", "b.bin"}}));
}

TEST_F(DupEngine, FolderGivenTwiceCountsItsFilesOnce)
{
    put(QStringLiteral("sub/a.bin"), pattern(3, 30000));
    put(QStringLiteral("sub/b.bin"), pattern(3, 30000));
    EXPECT_EQ(groups(*scan(true, {scanned, scanned + QStringLiteral("/sub")})), (Groups{{"sub/a.bin", "sub/b.bin"}}));
}

// --- sampled digests -------------------------------------------------------------------

TEST_F(DupEngine, DigestSplitsFilesOfOneSizeAndSkipsWhatCannotBeRead)
{
    DupCandidates candidates;
    file(candidates, put(QStringLiteral("a"), pattern(1, 20000)));
    file(candidates, put(QStringLiteral("b"), pattern(2, 20000)));
    file(candidates, put(QStringLiteral("c"), pattern(1, 20000)));
    file(candidates, put(QStringLiteral("d"), pattern(2, 20000)));
    file(candidates, put(QStringLiteral("e"), pattern(1, 20000)));
    QFile::remove(scanned + QStringLiteral("/e"));  // vanished since the walk
    EXPECT_EQ(DupStages::groupByDigest(candidates, {0, 1, 2, 3, 4}), (std::vector<CandidateSet>{{0, 2}, {1, 3}}));
}

TEST_F(DupEngine, DigestCoversTheStartAndOneAndTwoThirdsIn)
{
    // 60000 bytes: samples of 4096 at 0, 20000 and 40000.
    DupCandidates candidates;
    const QByteArray bytes = pattern(7, 60000);
    file(candidates, put(QStringLiteral("a"), bytes));
    file(candidates, put(QStringLiteral("b"), changedAt(bytes, 4095)));
    file(candidates, put(QStringLiteral("c"), changedAt(bytes, 20000)));
    file(candidates, put(QStringLiteral("d"), changedAt(bytes, 44095)));
    file(candidates, put(QStringLiteral("e"), changedAt(bytes, 30000)));  // between samples
    file(candidates, put(QStringLiteral("f"), changedAt(bytes, 4095)));
    EXPECT_EQ(DupStages::groupByDigest(candidates, {0, 1, 2, 3, 4, 5}),
              (std::vector<CandidateSet>{{0, 4}, {1, 5}}));
}

TEST_F(DupEngine, EqualSetsOfOneSizeAreGroupsOfTheirOwn)
{
    const QByteArray one = pattern(1, 1000000);
    const QByteArray two = pattern(2, 1000000);
    put(QStringLiteral("a1"), one);
    put(QStringLiteral("a2"), one);
    put(QStringLiteral("a3"), one);
    put(QStringLiteral("b1"), two);
    put(QStringLiteral("b2"), two);
    put(QStringLiteral("lone"), pattern(3, 1000000));
    const auto data = scan();
    EXPECT_EQ(groups(*data), (Groups{{"a1", "a2", "a3"}, {"b1", "b2"}}));
    EXPECT_EQ(data->dupTotalSize, 5 * 1000000);
}

// --- confirmation of contents ------------------------------------------------------------

TEST_F(DupEngine, FilesThatAgreeOnlyWhereSampledAreNotDuplicates)
{
    const QByteArray bytes = pattern(5, 100000);
    put(QStringLiteral("a.dat"), bytes);
    put(QStringLiteral("b.dat"), changedAt(bytes, 20000));  // between the first two samples
    put(QStringLiteral("c.dat"), bytes);
    EXPECT_EQ(groups(*scan()), (Groups{{"a.dat", "c.dat"}}));
    // The quick comparison trusts the samples, as asked.
    EXPECT_EQ(groups(*scan(false)), (Groups{{"a.dat", "b.dat", "c.dat"}}));
}

TEST_F(DupEngine, ConfirmationSplitsADigestSetAtEveryDifference)
{
    DupCandidates candidates;
    const QByteArray bytes = pattern(6, 60000);
    file(candidates, put(QStringLiteral("a"), bytes));
    file(candidates, put(QStringLiteral("b"), changedAt(bytes, 30000)));
    file(candidates, put(QStringLiteral("c"), bytes));
    file(candidates, put(QStringLiteral("d"), changedAt(bytes, 30000)));
    file(candidates, put(QStringLiteral("e"), changedAt(bytes, 50000)));
    ASSERT_EQ(DupStages::groupByDigest(candidates, {0, 1, 2, 3, 4}).size(), 1u);
    EXPECT_EQ(DupStages::confirmContents(candidates, {0, 1, 2, 3, 4}), (std::vector<CandidateSet>{{0, 2}, {1, 3}}));
}

// --- packages ----------------------------------------------------------------------------

// A small application bundle whose main file holds bytes.
void bundle(DupEngine *test, FixtureTree &tree, const QString &rel, const QByteArray &bytes)
{
    Q_UNUSED(test);
    tree.text(QStringLiteral("scan/") + rel + QStringLiteral("/Contents/MacOS/tool"), bytes);
    tree.text(QStringLiteral("scan/") + rel + QStringLiteral("/Contents/Info.plist"), pattern(8, 20000));
    tree.text(QStringLiteral("scan/") + rel + QStringLiteral("/Contents/Resources/same.bin"), pattern(9, 30000));
}

TEST_F(DupEngine, EqualBundlesAreOneGroupAndTheirInsidesAreNotListed)
{
    bundle(this, tree, QStringLiteral("A/Tool.app"), pattern(7, 40000));
    bundle(this, tree, QStringLiteral("B/Tool.app"), pattern(7, 40000));
    const auto data = scan();
    EXPECT_EQ(groups(*data), (Groups{{"A/Tool.app", "B/Tool.app"}}));
    ASSERT_EQ(data->dupGroups.size(), 1);
    EXPECT_EQ(data->dupGroups[0].groupType, QStringLiteral("app"));
    EXPECT_EQ(data->dupGroups[0].groupItems[0].itemSize, ORUtility::fileSizeByPath(scanned + QStringLiteral("/A/Tool.app")));
}

TEST_F(DupEngine, BundlesWithTheSameNamesButOtherContentsAreNotDuplicates)
{
    bundle(this, tree, QStringLiteral("A/Tool.app"), pattern(7, 40000));
    bundle(this, tree, QStringLiteral("B/Tool.app"), pattern(70, 40000));
    EXPECT_EQ(groups(*scan()), Groups{});
    // The name signature alone cannot tell them apart, so even a quick scan
    // compares their contents.
    EXPECT_EQ(groups(*scan(false)), Groups{});
}

struct PackageRow
{
    const char *name;
    std::function<void(FixtureTree &, const QString &)> change;  // applied to the second package
    bool equal;
};

class DupPackages : public DupEngine, public ::testing::WithParamInterface<PackageRow>
{
};

TEST_P(DupPackages, ComparedByPathsKindsSizesAndContents)
{
    for (const QString &p : {QStringLiteral("one.app"), QStringLiteral("two.app")}) {
        tree.text(p + QStringLiteral("/Contents/a.txt"), "alpha");
        tree.text(p + QStringLiteral("/Contents/.hidden"), "h");
        tree.link(p + QStringLiteral("/Contents/current"), QStringLiteral("a.txt"));
        tree.folder(p + QStringLiteral("/Contents/empty"));
    }
    GetParam().change(tree, QStringLiteral("two.app"));
    const std::vector<QByteArray> packages{QFile::encodeName(tree.path(QStringLiteral("one.app"))),
                                           QFile::encodeName(tree.path(QStringLiteral("two.app")))};
    EXPECT_EQ(sw::PackageComparer::split(packages).size(), GetParam().equal ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DupPackages,
    ::testing::Values(
        PackageRow{"none", [](FixtureTree &, const QString &) {}, true},
        PackageRow{"file_content", [](FixtureTree &t, const QString &p) { t.text(p + "/Contents/a.txt", "alphx"); }, false},
        PackageRow{"hidden_file_content", [](FixtureTree &t, const QString &p) { t.text(p + "/Contents/.hidden", "H"); }, false},
        PackageRow{"extra_item", [](FixtureTree &t, const QString &p) { t.folder(p + "/Contents/more"); }, false},
        PackageRow{"link_target", [](FixtureTree &t, const QString &p) {
                       QFile::remove(t.path(p + "/Contents/current"));
                       t.link(p + "/Contents/current", QStringLiteral(".hidden"));
                   }, false},
        PackageRow{"folder_for_file", [](FixtureTree &t, const QString &p) {
                       QDir(t.path(p + "/Contents/empty")).removeRecursively();
                       t.text(p + "/Contents/empty", "");
                   }, false}),
    [](const auto &info) { return std::string(info.param.name); });

// --- grouping order and fields -----------------------------------------------------------

TEST_F(DupEngine, GroupsComeLargestSizeFirstWithTheirFirstItemsFields)
{
    for (const auto &[name, size] : {std::pair{"five", 5000000}, std::pair{"twenty", 20000000}, std::pair{"one", 1000000}}) {
        put(QStringLiteral("x/%1.MP3").arg(QLatin1String(name)), pattern(quint32(size), size));
        put(QStringLiteral("y/%1").arg(QLatin1String(name)), pattern(quint32(size), size));
    }
    // A set is named after a copy without a copy mark, though another was found first.
    put(QStringLiteral("a/Copy of report.odt"), pattern(7, 30000));
    put(QStringLiteral("b/report.odt"), pattern(7, 30000));
    ASSERT_TRUE(swtest::setModificationTime(tree.path(QStringLiteral("scan/y/twenty")), 1614859200));
    const auto data = scan();
    EXPECT_EQ(groups(*data), (Groups{{"x/twenty.MP3", "y/twenty"},
                                     {"x/five.MP3", "y/five"},
                                     {"x/one.MP3", "y/one"},
                                     {"a/Copy of report.odt", "b/report.odt"}}));
    EXPECT_EQ(data->dupGroups[3].groupName, QStringLiteral("report.odt"));
    const ORDupDataGroup &first = data->dupGroups[0];
    EXPECT_EQ(first.groupName, QStringLiteral("twenty.MP3"));
    EXPECT_EQ(first.groupType, QStringLiteral("MP3"));
    EXPECT_EQ(first.groupPath, scanned + QStringLiteral("/x/twenty.MP3"));
    EXPECT_EQ(first.groupSize, 2 * 20000000);
    EXPECT_EQ(first.isGroupDelFlag, 0);
    EXPECT_EQ(first.groupItems[1].itemName, QStringLiteral("twenty"));
    EXPECT_EQ(first.groupItems[1].itemSize, 20000000);
    EXPECT_EQ(first.groupItems[1].itemModTime, 1614859200000);
    EXPECT_FALSE(first.groupItems[1].isDel);
}

TEST_F(DupEngine, GroupWithoutExtensionHasAnEmptyType)
{
    put(QStringLiteral("a/noext"), pattern(2, 20000));
    put(QStringLiteral("b/.hidden"), pattern(2, 20000));
    const auto data = scan();
    ASSERT_EQ(data->dupGroups.size(), 1);
    EXPECT_EQ(data->dupGroups[0].groupType, QString());
}

struct ExtensionRow
{
    const char *name;
    const char *extension;
    bool reported;
};

class DupExtensions : public DupEngine, public ::testing::WithParamInterface<ExtensionRow>
{
};

TEST_P(DupExtensions, TwoCopies)
{
    const QString extension = QString::fromLatin1(GetParam().extension);
    put(QStringLiteral("a.") + extension, pattern(4, 20000));
    put(QStringLiteral("b.") + extension, pattern(4, 20000));
    EXPECT_EQ(scan()->dupGroups.size(), GetParam().reported ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DupExtensions,
                         ::testing::Values(ExtensionRow{"jpeg", "jpeg", false}, ExtensionRow{"JPEG", "JPEG", false},
                                           ExtensionRow{"tif", "Tif", false}, ExtensionRow{"jpg", "jpg", true},
                                           ExtensionRow{"tiff", "tiff", true}, ExtensionRow{"db", "db", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(DupEngine, ProgressEndsOnTheBytesAndGroupsFound)
{
    swtest::NotificationLog log({QStringLiteral("dupicon"), QStringLiteral("duplicatesize")});
    put(QStringLiteral("a1"), pattern(1, 30000));
    put(QStringLiteral("a2"), pattern(1, 30000));
    put(QStringLiteral("b1"), pattern(2, 40000));
    put(QStringLiteral("b2"), pattern(2, 40000));
    const auto data = scan();
    log.deliver();
    EXPECT_EQ(log.last(QStringLiteral("duplicatesize")).toList(), (QVariantList{qint64(140000), qint64(2)}));
    EXPECT_EQ(log.last(QStringLiteral("dupicon")).toString(), scanned + QStringLiteral("/a2"));
}

TEST_F(DupEngine, CopiesTheUserMayNotDeleteAreLeftOut)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may delete anything";
    put(QStringLiteral("locked/a"), pattern(1, 30000));
    put(QStringLiteral("locked/b"), pattern(1, 30000));
    put(QStringLiteral("open/c"), pattern(2, 30000));
    put(QStringLiteral("locked/d"), pattern(2, 30000));
    const QString locked = scanned + QStringLiteral("/locked");
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    swtest::NotificationLog log({QStringLiteral("duplicatesize")});
    const auto data = scan();
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    log.deliver();
    EXPECT_EQ(groups(*data), Groups{});
    EXPECT_TRUE(log.values(QStringLiteral("duplicatesize")).isEmpty());
}

// --- lifecycle and removal ---------------------------------------------------------------

TEST_F(DupEngine, DefaultsFollowTheLayout)
{
    EXPECT_EQ(ORDupDataCollection::defaultFolders(),
              (QStringList{home + "/Desktop", home + "/Documents", home + "/Downloads", home + "/Music",
                           home + "/Pictures", home + "/Videos"}));
    ORLayout::set(ORLayout::Kind::MacOS, tree.path(QStringLiteral("root")), home);
    EXPECT_EQ(ORDupDataCollection::defaultFolders(), (QStringList{home + "/Documents", home + "/Music"}));
    const QStringList extensions = ORDupDataCollection::defaultExcludeFiles();
    EXPECT_EQ(extensions.size(), 35);
    EXPECT_EQ(extensions.mid(33), (QStringList{"tif", "jpeg"}));
}

TEST_F(DupEngine, ResultIsKeptUntilStartOver)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    put(QStringLiteral("b"), pattern(1, 30000));
    const auto first = scan();
    put(QStringLiteral("c"), pattern(1, 30000));
    EXPECT_EQ(engine().dupData(), first);
    engine().startOver();
    EXPECT_EQ(engine().tempDupData(), nullptr);
    EXPECT_TRUE(engine().folders().isEmpty());
    EXPECT_EQ(groups(*scan()), (Groups{{"a", "b", "c"}}));
}

TEST_F(DupEngine, CancelledScanReturnsNothingAndHoldsNothing)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    put(QStringLiteral("b"), pattern(1, 30000));
    prepare({});
    sw::JobControl job;
    ASSERT_NE(engine().scan(job), nullptr);
    EXPECT_EQ(job.progress().items, 2);
    EXPECT_EQ(job.progress().bytes, 60000);
    sw::JobControl cancelled;
    cancelled.cancel();
    EXPECT_EQ(engine().scan(cancelled), nullptr);
    EXPECT_EQ(engine().result(), nullptr);
    // Each later stage gives up at once too.
    DupCandidates candidates;
    file(candidates, tree.path(QStringLiteral("scan/a")));
    file(candidates, tree.path(QStringLiteral("scan/b")));
    EXPECT_TRUE(DupStages::groupByDigest(candidates, {0, 1}, &cancelled).empty());
    EXPECT_TRUE(DupStages::confirmContents(candidates, {0, 1}, &cancelled).empty());
    EXPECT_EQ(DupStages::confirmContents(candidates, {0, 1}, &job), (std::vector<CandidateSet>{{0, 1}}));
}

TEST_F(DupEngine, AllButTheFirstCopyGoToTheTrash)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    put(QStringLiteral("b"), pattern(1, 30000));
    put(QStringLiteral("c"), pattern(1, 30000));
    put(QStringLiteral("x"), pattern(2, 20000));
    put(QStringLiteral("y"), pattern(2, 20000));
    const auto data = scan();
    ASSERT_EQ(data->dupGroups.size(), 2);
    sw::DupCopyLimit::setGroupMarked(data->dupGroups[0], true);
    data->dupGroups[1].groupItems[1].isDel = true;  // its group's flag is 0: stays
    QFile::remove(scanned + QStringLiteral("/c"));  // vanished: logged, not counted
    swtest::LogCapture log;
    engine().deleteDups();
    EXPECT_EQ(engine().delSize(), 30000);
    EXPECT_TRUE(QFileInfo::exists(scanned + QStringLiteral("/a")));
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("/.local/share/Trash/files/b")));
    EXPECT_TRUE(QFileInfo::exists(scanned + QStringLiteral("/y")));
    EXPECT_EQ(log.count(QStringLiteral("Fail to remove junk, error=") + scanned + QStringLiteral("/c")), 1);
}


// --- reference folders ---------------------------------------------------------------

// Folders of originals are known by identity: one named through a link
// counts, and so does one outside the folders scanned (it is walked too).
TEST_F(DupEngine, ReferenceCopiesAreMarkedAndSetsOfOriginalsOnlyAreNotListed)
{
    put(QStringLiteral("ref/a"), pattern(1, 30000));
    put(QStringLiteral("ref/sub/b"), pattern(1, 30000));  // both originals: not listed
    put(QStringLiteral("ref/sub/c"), pattern(2, 30000));
    put(QStringLiteral("x/c"), pattern(2, 30000));
    put(QStringLiteral("y/c"), pattern(2, 30000));
    const QString outside = tree.text(QStringLiteral("elsewhere/d"), pattern(3, 20000));
    put(QStringLiteral("z/d"), pattern(3, 20000));
    const QString link = tree.root() + QStringLiteral("/to-ref");
    ASSERT_TRUE(QFile::link(scanned + QStringLiteral("/ref"), link));
    prepare({});
    engine().setReferenceFolders({link, tree.root() + QStringLiteral("/elsewhere")});
    const auto data = engine().dupData();
    ASSERT_EQ(data->dupGroups.size(), 2);
    QStringList references;
    for (const ORDupDataGroup &group : std::as_const(data->dupGroups))
        for (const ORDupDataItem &item : group.groupItems)
            if (item.isReference)
                references << item.itemPath;
    EXPECT_EQ(references, (QStringList{scanned + QStringLiteral("/ref/sub/c"), outside}));
    EXPECT_EQ(data->dupGroups[0].groupItems.size(), 3);
    EXPECT_EQ(data->dupGroups[1].groupItems.size(), 2);
}

// Defence in depth: a caller that marks a reference copy (and even clears
// its flag) still has it refused, and only the other copies go.
TEST_F(DupEngine, RemovalRefusesReferenceCopiesEvenWhenMarked)
{
    const auto data = referenceSet();
    ASSERT_EQ(data->dupGroups.size(), 1);
    ORDupDataGroup &group = data->dupGroups[0];
    for (ORDupDataItem &item : group.groupItems) {
        item.isDel = true;
        item.isReference = false;
    }
    group.isGroupDelFlag = 2;
    const auto before = swtest::TreeSnapshot::of(scanned);
    engine().deleteDups();
    const auto after = swtest::TreeSnapshot::of(scanned);
    EXPECT_EQ(before.vanished(after), (QStringList{scanned + QStringLiteral("/b"), scanned + QStringLiteral("/c")}));
    EXPECT_EQ(engine().delSize(), before.bytesGone(after));
    const sw::RemovalReport report = engine().removalReport();
    ASSERT_EQ(report.refusedCount(), 1);
    const auto refused = std::find_if(report.outcomes().cbegin(), report.outcomes().cend(),
                                      [](const sw::RemovalOutcome &outcome) { return outcome.refused; });
    EXPECT_EQ(refused->path, scanned + QStringLiteral("/ref/a"));
}

// Nor does a link take a reference copy's place: it stays a file of its own.
TEST_F(DupEngine, LinkReplacementRefusesReferenceCopiesEvenWhenMarked)
{
    const auto data = referenceSet();
    ASSERT_EQ(data->dupGroups.size(), 1);
    ORDupDataGroup &group = data->dupGroups[0];
    for (ORDupDataItem &item : group.groupItems)
        item.isDel = !item.itemPath.endsWith(QLatin1String("/c"));
    group.isGroupDelFlag = 1;
    sw::JobControl job;
    const sw::RemovalReport report = engine().replaceWithLinks(job, sw::LinkKind::Hard);
    const auto inode = [](const QString &path) {
        struct stat st{};
        ::lstat(QFile::encodeName(path).constData(), &st);
        return st.st_ino;
    };
    EXPECT_EQ(inode(scanned + QStringLiteral("/b")), inode(scanned + QStringLiteral("/c")));
    EXPECT_NE(inode(scanned + QStringLiteral("/ref/a")), inode(scanned + QStringLiteral("/c")));
    EXPECT_EQ(report.refusedCount(), 1);
    EXPECT_EQ(report.removedBytes(), 30000);
}

}  // namespace
