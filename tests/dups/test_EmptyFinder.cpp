// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate finder's second mode: empty files, empty folders (at their
// top) and broken links, and their removal, which leaves alone whatever is
// no longer empty or broken.

#include "core/dups/EmptyFinder.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORSelection.h"

#include "support/FinderTestSupport.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

using sw::EmptyFinder;

namespace {

class EmptyFinds : public swtest::FinderFixture<ORDupDataCollection>
{
protected:
    void TearDown() override
    {
        engine().setScanMode(ORDupDataCollection::ScanMode::Duplicates);
        FinderFixture::TearDown();
    }

    // The tree every test looks at.
    void build()
    {
        tree.folder(QStringLiteral("scan/e1/e2/e3"));             // nested: listed at e1 only
        tree.folder(QStringLiteral("scan/e1/e2b"));
        tree.text(QStringLiteral("scan/hid/.hidden"), {});      // a hidden empty file: hid is not empty
        tree.text(QStringLiteral("scan/zero"), {});
        tree.text(QStringLiteral("scan/full"), "data");
        tree.link(QStringLiteral("scan/broken"), QStringLiteral("missing"));
        tree.link(QStringLiteral("scan/works"), QStringLiteral("full"));
        tree.folder(QStringLiteral("scan/target/empty"));      // a folder a link points to
        tree.text(QStringLiteral("scan/target/keep"), "k");
        tree.link(QStringLiteral("scan/viaLink/toEmpty"), scanned + QStringLiteral("/target/empty"));
        tree.folder(QStringLiteral("scan/mixed/sub/inner"));
        tree.text(QStringLiteral("scan/mixed/file"), "x");
        tree.folder(QStringLiteral("scan/.hiddenEmpty"));      // hidden: never listed
    }

    std::shared_ptr<ORDupData> scan()
    {
        prepare({});
        engine().setScanMode(ORDupDataCollection::ScanMode::Empty);
        sw::JobControl job;
        return engine().scan(job);
    }

    // Each group's title and its items below the scanned folder, sorted.
    QMap<QString, QStringList> found(const ORDupData &data) const
    {
        QMap<QString, QStringList> out;
        for (const ORDupDataGroup &group : data.dupGroups) {
            QStringList paths;
            for (const ORDupDataItem &item : group.groupItems)
                paths << item.itemPath.mid(scanned.size() + 1);
            paths.sort();
            out.insert(group.groupName, paths);
        }
        return out;
    }
};

TEST_F(EmptyFinds, ListsEmptyFilesFoldersAtTheirTopAndBrokenLinksNeverFollowingLinks)
{
    build();
    const auto data = scan();
    ASSERT_TRUE(data);
    EXPECT_EQ(found(*data), (QMap<QString, QStringList>{
                                {EmptyFinder::title(EmptyFinder::EmptyFiles), {"zero"}},
                                {EmptyFinder::title(EmptyFinder::EmptyFolders), {"e1", "mixed/sub", "target/empty"}},
                                {EmptyFinder::title(EmptyFinder::BrokenLinks), {"broken"}}}));
    for (const ORDupDataGroup &group : data->dupGroups)
        EXPECT_TRUE(group.allMayGo);
    EXPECT_EQ(engine().heldMode(), ORDupDataCollection::ScanMode::Empty);
}

TEST_F(EmptyFinds, RemovalLeavesWhatGainedContentsSinceTheScan)
{
    build();
    const auto data = scan();
    ASSERT_TRUE(data);
    for (ORDupDataGroup &group : data->dupGroups)
        sw::selection::setGroupMarked(group, true);
    tree.text(QStringLiteral("scan/e1/e2/e3/new"), "arrived");   // e1 is no longer empty
    tree.text(QStringLiteral("scan/target/empty/.dot"), {});     // a hidden file counts too
    const auto before = swtest::TreeSnapshot::of(scanned);
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const auto after = swtest::TreeSnapshot::of(scanned);
    EXPECT_EQ(before.vanished(after),
              (QStringList{scanned + QStringLiteral("/broken"), scanned + QStringLiteral("/mixed/sub"),
                           scanned + QStringLiteral("/mixed/sub/inner"), scanned + QStringLiteral("/zero")}));
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(report.removedBytes(), before.bytesGone(after, {scanned + QStringLiteral("/mixed/sub")}));
    // Found and removed sizes are measured alike.
    qint64 listed = 0;
    for (const ORDupDataGroup &group : data->dupGroups)
        for (const ORDupDataItem &item : group.groupItems)
            if (!item.itemPath.contains(QLatin1String("/e1")) && !item.itemPath.contains(QLatin1String("target/")))
                listed += item.itemSize;
    EXPECT_EQ(report.removedBytes(), listed);
    EXPECT_GT(listed, 0);
    EXPECT_EQ(report.failedCount(), 2);
    EXPECT_TRUE(QFileInfo::exists(scanned + QStringLiteral("/e1/e2/e3/new")));
}

TEST_F(EmptyFinds, FileThatGainedBytesAndLinkWhoseTargetAppearedStay)
{
    tree.text(QStringLiteral("scan/zero"), {});
    tree.link(QStringLiteral("scan/broken"), QStringLiteral("later"));
    const auto data = scan();
    ASSERT_EQ(data->dupGroups.size(), 2);
    for (ORDupDataGroup &group : data->dupGroups)
        sw::selection::setGroupMarked(group, true);
    tree.text(QStringLiteral("scan/zero"), "now");
    tree.text(QStringLiteral("scan/later"), "here");
    sw::JobControl job;
    EXPECT_EQ(engine().remove(job).failedCount(), 2);
    EXPECT_TRUE(tree.exists(QStringLiteral("scan/zero")));
    EXPECT_TRUE(tree.exists(QStringLiteral("scan/broken")));
}

}  // namespace
