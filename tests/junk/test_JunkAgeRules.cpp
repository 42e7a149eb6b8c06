// SPDX-License-Identifier: GPL-3.0-or-later
// Age rules of the junk scan: items by their newest modification time, the
// Trash by the deletion date of each item's info file.

#include "JunkTestSupport.h"
#include "support/TreeSnapshot.h"

#include "core/foundation/ORSelection.h"
#include "core/junk/JunkAgeRules.h"

#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qint64 kDay = 24 * 60 * 60;

// Sets the modification time of the entry at path (a link itself) to days ago.
void age(const QString &path, int days)
{
    const timespec when{QDateTime::currentSecsSinceEpoch() - days * kDay, 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0)
        << path.toStdString();
}

// A Trash info file's date line, days ago, as the Trash writes it (local time).
QByteArray deletedDaysAgo(int days)
{
    const QDateTime when = QDateTime::currentDateTime().addSecs(-days * kDay);
    return "[Trash Info]\nPath=/somewhere\nDeletionDate=" + when.toString(Qt::ISODate).toLatin1() + "\n";
}

// What one row plants: a file (or, with a trailing '/', a folder) below the
// home, modified so many days ago; for a Trash item, its info file's text
// (empty: no info file; "fifo": a FIFO in its place).
struct Aged
{
    const char *path;
    int modifiedDaysAgo;
    QByteArray info = {};
};

struct AgeCase
{
    const char *name;
    qint64 groupID;
    int days;  // the category's rule
    QList<Aged> plants;
    QStringList expected;  // below the home, sorted
};

void PrintTo(const AgeCase &c, std::ostream *os)
{
    *os << c.name;
}

const QString kTrash = QStringLiteral(".local/share/Trash/");

class JunkAgeRules : public swtest::JunkFixture, public ::testing::WithParamInterface<AgeCase>
{
protected:
    void SetUp() override
    {
        JunkFixture::SetUp();
        useLayout(ORLayout::Kind::Freedesktop);
    }
    void TearDown() override
    {
        engine().setAgeRules(std::nullopt);
        JunkFixture::TearDown();
    }

    void plantAged(const QList<Aged> &plants)
    {
        // Deepest first, so a folder's own time is set after what went into it.
        QList<Aged> ordered = plants;
        std::sort(ordered.begin(), ordered.end(),
                  [](const Aged &a, const Aged &b) { return qstrlen(a.path) > qstrlen(b.path); });
        for (const Aged &p : ordered) {
            const QString rel = QString::fromUtf8(p.path);
            const QString path = rel.endsWith(QLatin1Char('/')) ? homeFolder(rel) : homeFile(rel, 100);
            if (!p.info.isEmpty())
                plantInfo(rel, p.info);
            age(path, p.modifiedDaysAgo);
        }
    }

    void plantInfo(const QString &trashed, const QByteArray &info)
    {
        const QString name = trashed.section(QLatin1Char('/'), -1);
        const QString infoRel = kTrash + QStringLiteral("info/") + name + QStringLiteral(".trashinfo");
        if (info == "fifo") {
            homeFolder(kTrash + QStringLiteral("info"));
            ASSERT_EQ(::mkfifo(QFile::encodeName(home + QLatin1Char('/') + infoRel).constData(), 0600), 0);
        } else {
            homeText(infoRel, info);
        }
    }

    QStringList foundBelowHome(qint64 groupID)
    {
        QStringList out;
        for (const QString &rel : found(groupID))
            out.append(rel.mid(5));  // "home/"
        return out;
    }
};

TEST_P(JunkAgeRules, ListsOnlyItemsOlderThanTheRule)
{
    const AgeCase &c = GetParam();
    plantAged(c.plants);
    sw::JunkAgeRules rules;
    rules.setDays(c.groupID, c.days);
    engine().setAgeRules(rules);
    EXPECT_EQ(foundBelowHome(c.groupID), c.expected);
    const ORJunkDataGroup *g = group(*engine().tempJunkData(), c.groupID);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->olderThanDays, c.days);
    // The figures shown are those of the items listed.
    qint64 sum = 0;
    for (const ORjunkDataItem &item : g->groupItems)
        sum += item.itemSize;
    EXPECT_EQ(g->groupSize, sum);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, JunkAgeRules,
    ::testing::Values(
        AgeCase{"DownloadsByModificationTime", sw::junk::Downloads, 30,
                {{"Downloads/old.iso", 40}, {"Downloads/new.iso", 10}},
                {"Downloads/old.iso"}},
        AgeCase{"FolderHoldingARecentFileIsNew", sw::junk::Downloads, 30,
                {{"Downloads/project/", 60}, {"Downloads/project/deep/notes.txt", 2}, {"Downloads/project/deep/", 60},
                 {"Downloads/stale/", 60}, {"Downloads/stale/a.txt", 90}},
                {"Downloads/stale"}},
        AgeCase{"RuleOfZeroTakesEverything", sw::junk::AppJunk, 0,
                {{".cache/app/blob", 1}, {".cache/app/", 1}, {".cache/other/blob", 400}, {".cache/other/", 400}},
                {".cache/app", ".cache/other"}},
        AgeCase{"CacheRuleAppliesToEachCacheFolder", sw::junk::AppJunk, 7,
                {{".cache/app/blob", 1}, {".cache/app/", 1}, {".cache/other/blob", 400}, {".cache/other/", 400}},
                {".cache/other"}},
        // A file trashed today may be years old: the deletion date counts.
        AgeCase{"TrashByDeletionDateNotModification", sw::junk::Trash, 30,
                {{".local/share/Trash/files/long-gone.txt", 1, deletedDaysAgo(45)},
                 {".local/share/Trash/files/just-trashed.txt", 900, deletedDaysAgo(3)}},
                {".local/share/Trash/files/long-gone.txt"}},
        AgeCase{"TrashItemWithoutReadableDateCountsAsNew", sw::junk::Trash, 30,
                {{".local/share/Trash/files/no-info.txt", 900},
                 {".local/share/Trash/files/no-date.txt", 900, "[Trash Info]\nPath=/somewhere\n"},
                 {".local/share/Trash/files/garbled.txt", 900, "[Trash Info]\nDeletionDate=last tuesday\n"},
                 {".local/share/Trash/files/other-group.txt", 900, "[Desktop Entry]\nDeletionDate=2001-01-01T00:00:00\n"},
                 {".local/share/Trash/files/fifo-info.txt", 900, "fifo"},
                 {".local/share/Trash/files/ok.txt", 0, deletedDaysAgo(31)}},
                {".local/share/Trash/files/ok.txt"}}),
    [](const ::testing::TestParamInfo<AgeCase> &info) { return std::string(info.param.name); });

TEST_F(JunkAgeRules, OrphanInfoFilesAreAgedByTheirOwnDeletionDate)
{
    homeText(kTrash + QStringLiteral("info/a.trashinfo"), deletedDaysAgo(2));
    homeText(kTrash + QStringLiteral("info/b.trashinfo"), deletedDaysAgo(60));
    homeFolder(kTrash + QStringLiteral("files"));
    sw::JunkAgeRules rules;
    rules.setDays(sw::junk::Trash, 30);
    engine().setAgeRules(rules);
    EXPECT_EQ(foundBelowHome(sw::junk::Trash), QStringList{kTrash + QStringLiteral("info/b.trashinfo")});
}

TEST_F(JunkAgeRules, SettingsRuleIsReadAtScanAndOffersAMonthForDownloads)
{
    swtest::FixtureTree settings;
    ORPrefConfig::setStorePath(settings.path(QStringLiteral("Sweepwright.conf")));
    homeFile(QStringLiteral("Downloads/old"), 10);
    age(home + QStringLiteral("/Downloads/old"), 31);
    homeFile(QStringLiteral("Downloads/new"), 10);
    age(home + QStringLiteral("/Downloads/new"), 29);
    ORPrefConfig::setJunkAgeEnable(QStringLiteral("download"), true);  // days never set: the month offered
    EXPECT_EQ(foundBelowHome(sw::junk::Downloads), QStringList{QStringLiteral("Downloads/old")});
    ORPrefConfig::setJunkAgeEnable(QStringLiteral("download"), false);
    EXPECT_EQ(foundBelowHome(sw::junk::Downloads),
              (QStringList{QStringLiteral("Downloads/new"), QStringLiteral("Downloads/old")}));
    ORPrefConfig::setStorePath(QString());
}

// Only the old items go: a recent file deep in an old folder keeps the
// folder, a link to a recent file goes as the old link it is, and the bytes
// reported are those that went.
TEST_F(JunkAgeRules, RemovalTakesOnlyTheOldItems)
{
    const QString target = tree.file(QStringLiteral("elsewhere/fresh"), 70);
    plantAged({{"Downloads/old.bin", 45},
               {"Downloads/new.bin", 3},
               {"Downloads/mixed/", 100},
               {"Downloads/mixed/deep/", 100},
               {"Downloads/mixed/deep/today.txt", 0},
               {"Downloads/mixed/old.txt", 100},
               {"Downloads/gone/", 50},
               {"Downloads/gone/a", 50}});
    const QString link = home + QStringLiteral("/Downloads/old-link");
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
    age(link, 60);
    sw::JunkAgeRules rules;
    rules.setDays(sw::junk::Downloads, 30);
    engine().setAgeRules(rules);
    const auto data = scan({sw::junk::Downloads});
    ORJunkDataGroup &g = engine().tempJunkData()->junkGroups.first();
    sw::selection::setGroupMarked(g, true);  // the Downloads start unmarked
    const auto before = swtest::TreeSnapshot::of(tree.root());
    engine().deleteJunks();
    const auto after = swtest::TreeSnapshot::of(tree.root());
    const QString dl = home + QStringLiteral("/Downloads/");
    QStringList gone{dl + QStringLiteral("gone"), dl + QStringLiteral("gone/a"), dl + QStringLiteral("old-link"),
                     dl + QStringLiteral("old.bin")};
    EXPECT_EQ(before.vanished(after), gone);
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, {dl + QStringLiteral("gone")}));
    EXPECT_EQ(engine().delSize(), data->junkTotalSize);
}

}  // namespace
