// SPDX-License-Identifier: GPL-3.0-or-later
// A saved duplicate result opened again: the round trip, a tree that changed
// since it was saved, and files that are not results or name what they must
// not. Nothing beyond the copies the file lists is ever acted on.

#include "core/dups/DupResultJson.h"
#include "core/dups/DupSavedResult.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/KeepList.h"

#include "support/FinderTestSupport.h"
#include "support/TreeSnapshot.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using sw::DupResultJson;
using sw::DupSavedResult;
using swtest::pattern;

namespace {

using Groups = QList<QStringList>;

class SavedResult : public swtest::FinderFixture<ORDupDataCollection>
{
protected:
    QString put(const QString &rel, const QByteArray &bytes) { return tree.text(QStringLiteral("scan/") + rel, bytes); }

    std::shared_ptr<ORDupData> scanFolder()
    {
        prepare({});
        sw::JobControl job;
        return engine().scan(job);
    }

    QString save(const QByteArray &json)
    {
        return tree.text(QStringLiteral("saved.json"), json);
    }

    // Opens file through the engine, as the folder page does.
    std::shared_ptr<ORDupData> open(const QString &file)
    {
        engine().setSavedResult(file);
        sw::JobControl job;
        return engine().scan(job);
    }

    // One set of the listed paths, as a saved result with each path's size
    // and time as they are now (or as given).
    static QByteArray listing(const QList<QStringList> &sets)
    {
        ORDupData data;
        for (const QStringList &paths : sets) {
            ORDupDataGroup group;
            for (const QString &path : paths) {
                ORDupDataItem item;
                item.itemPath = path;
                item.itemSize = QFileInfo(path).size();
                item.itemModTime = QFileInfo(path).lastModified().toMSecsSinceEpoch();
                group.groupItems.append(item);
            }
            data.dupGroups.append(group);
        }
        return DupResultJson::write(data);
    }
};

TEST_F(SavedResult, ExportedSetsOpenAgainAsTheyWereFound)
{
    put(QStringLiteral("a"), pattern(1, 30000));
    put(QStringLiteral("b, \"quoted\"\nname"), pattern(1, 30000));
    put(QStringLiteral("x"), pattern(2, 20000));
    put(QStringLiteral("y"), pattern(2, 20000));
    const auto found = scanFolder();
    ASSERT_EQ(found->dupGroups.size(), 2);
    const auto opened = open(save(DupResultJson::write(*found)));
    ASSERT_TRUE(opened);
    EXPECT_EQ(groups(*opened), groups(*found));
    EXPECT_EQ(opened->dupTotalSize, found->dupTotalSize);
    EXPECT_EQ(opened->dupGroups.at(0).groupName, found->dupGroups.at(0).groupName);
    EXPECT_EQ(opened->dupGroups.at(1).groupItems.at(1).itemModTime / 1000,
              found->dupGroups.at(1).groupItems.at(1).itemModTime / 1000);
    EXPECT_TRUE(engine().openNotes().isEmpty());
    EXPECT_TRUE(engine().openError().isEmpty());
}

// Each copy must still be the regular file of the size and time recorded.
TEST_F(SavedResult, WhatChangedSinceIsDroppedWithANoteAndSetsOfOneDisappear)
{
    for (const char *name : {"a1", "a2", "a3"})
        put(QLatin1String(name), pattern(1, 30000));
    put(QStringLiteral("s1"), pattern(2, 20000));
    put(QStringLiteral("s2"), pattern(2, 20000));
    put(QStringLiteral("l1"), pattern(3, 25000));
    put(QStringLiteral("l2"), pattern(3, 25000));
    put(QStringLiteral("c1"), pattern(4, 22000));
    const QString c2 = put(QStringLiteral("c2"), pattern(4, 22000));
    const QString saved = save(DupResultJson::write(*scanFolder()));
    QFile::remove(scanned + QStringLiteral("/a3"));                  // removed
    put(QStringLiteral("s2"), pattern(2, 20001));                     // size changed
    QFile::remove(scanned + QStringLiteral("/l2"));                  // replaced by a link to its twin
    ASSERT_EQ(::symlink("l1", QFile::encodeName(scanned + QStringLiteral("/l2")).constData()), 0);
    const qint64 time = QFileInfo(c2).lastModified().toMSecsSinceEpoch();
    put(QStringLiteral("c2"), swtest::changedAt(pattern(4, 22000), 15000));  // same size and time, other bytes
    swtest::setModificationTime(c2, time / 1000);
    const auto opened = open(saved);
    ASSERT_TRUE(opened);
    EXPECT_EQ(groups(*opened), (Groups{{"a1", "a2"}}));
    EXPECT_EQ(opened->dupTotalSize, 60000);
    const QString notes = engine().openNotes().join(QLatin1Char('\n'));
    for (const char *name : {"a3: no longer there", "s2: its size changed", "l2: no longer a regular file",
                             "contents differ"})
        EXPECT_TRUE(notes.contains(QLatin1String(name))) << name << "\n" << notes.toStdString();
}

TEST_F(SavedResult, RemovalMovesOnlyListedCopies)
{
    const QString a = put(QStringLiteral("a"), pattern(1, 30000));
    const QString b = put(QStringLiteral("b"), pattern(1, 30000));
    const QString c = put(QStringLiteral("c"), pattern(1, 30000));  // a copy the file does not list
    const auto opened = open(save(listing({{a, b}})));
    ASSERT_EQ(groups(*opened), (Groups{{"a", "b"}}));
    opened->dupGroups[0].groupItems[1].isDel = true;
    opened->dupGroups[0].isGroupDelFlag = 2;
    const auto before = swtest::TreeSnapshot::of(scanned);
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const auto after = swtest::TreeSnapshot::of(scanned);
    EXPECT_EQ(before.vanished(after), QStringList{b});
    EXPECT_EQ(report.removedBytes(), before.bytesGone(after));
    EXPECT_TRUE(QFileInfo::exists(c));
}

// A file that is no saved result: a clear error, nothing held.
struct BadFile
{
    const char *name;
    QByteArray bytes;
    const char *error;
};

void PrintTo(const BadFile &c, std::ostream *os)
{
    *os << c.name;
}

class SavedResultBadFile : public SavedResult, public ::testing::WithParamInterface<BadFile>
{
};

TEST_P(SavedResultBadFile, IsRefusedWithAReason)
{
    const auto opened = DupSavedResult::open(save(GetParam().bytes));
    EXPECT_FALSE(opened.data);
    EXPECT_TRUE(opened.error.contains(QLatin1String(GetParam().error))) << opened.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, SavedResultBadFile,
    ::testing::Values(BadFile{"truncated", "{\"dupGroups\": [{\"groupItems\": [{\"itemPath\": \"/a\"", "not valid JSON"},
                      BadFile{"malformed", "{dupGroups: nope}", "not valid JSON"},
                      BadFile{"deeplyNested", QByteArray(200000, '['), "not valid JSON"},
                      BadFile{"notAnObject", "[1, 2, 3]", "no list of duplicates"},
                      BadFile{"noGroups", "{\"dupTotalSize\": 5}", "no list of duplicates"},
                      BadFile{"empty", "", "not valid JSON"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SavedResult, HugeFileIsRefusedUnread)
{
    const QString file = save(QByteArray());
    ASSERT_EQ(::truncate(QFile::encodeName(file).constData(), DupResultJson::kMaxBytes + 1), 0);  // sparse
    const auto opened = DupSavedResult::open(file);
    EXPECT_FALSE(opened.data);
    EXPECT_TRUE(opened.error.contains(QLatin1String("too large")));
}

// A copy the user put on the Never touch list after saving stays out.
TEST_F(SavedResult, WhatTheNeverTouchListKeepsIsLeftOut)
{
    const QString a = put(QStringLiteral("a"), pattern(1, 30000));
    const QString twin = put(QStringLiteral("sub/twin"), pattern(1, 30000));
    sw::KeepList::setRunEntries({twin.section(QLatin1Char('/'), 0, -2)});
    const auto opened = DupSavedResult::open(save(listing({{a, twin}})));
    sw::KeepList::setRunEntries({});
    ASSERT_TRUE(opened.data);
    EXPECT_TRUE(opened.data->dupGroups.isEmpty());
    EXPECT_TRUE(opened.notes.join(QLatin1Char('\n')).contains(twin + QStringLiteral(": ")))
        << opened.notes.join(QLatin1Char('\n')).toStdString();
}

// An entry a set must not hold beside a true copy: the set is left with
// one copy and disappears, whatever the entry points at.
struct BadEntry
{
    const char *name;
    QString (*make)(const swtest::FixtureTree &tree, const QString &twin);
    const char *note;
};

void PrintTo(const BadEntry &c, std::ostream *os)
{
    *os << c.name;
}

class SavedResultBadEntry : public SavedResult, public ::testing::WithParamInterface<BadEntry>
{
};

TEST_P(SavedResultBadEntry, IsSkippedAndNothingElseIsListed)
{
    const QString a = put(QStringLiteral("a"), pattern(1, 30000));
    const QString twin = put(QStringLiteral("sub/twin"), pattern(1, 30000));
    const QString entry = GetParam().make(tree, twin);
    QByteArray json = listing({{a, twin}});
    json.replace(QFile::encodeName(twin), QFile::encodeName(entry));
    const auto opened = DupSavedResult::open(save(json));
    ASSERT_TRUE(opened.data);
    EXPECT_TRUE(opened.data->dupGroups.isEmpty());
    EXPECT_TRUE(opened.notes.join(QLatin1Char('\n')).contains(QLatin1String(GetParam().note)))
        << opened.notes.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SavedResultBadEntry,
    ::testing::Values(
        BadEntry{"relative", [](const swtest::FixtureTree &, const QString &) { return QStringLiteral("scan/sub/twin"); },
                 "not an absolute path"},
        BadEntry{"dotDot",
                 [](const swtest::FixtureTree &, const QString &twin) {
                     return twin.section(QLatin1Char('/'), 0, -3) + QStringLiteral("/sub/../sub/twin");
                 },
                 "not an absolute path"},
        BadEntry{"symlink",
                 [](const swtest::FixtureTree &tree, const QString &twin) { return tree.link(QStringLiteral("scan/ln"), twin); },
                 "no longer a regular file"},
        BadEntry{"throughLinkedFolder",
                 [](const swtest::FixtureTree &tree, const QString &twin) {
                     return tree.link(QStringLiteral("scan/linked"), QFileInfo(twin).path())
                            + QStringLiteral("/twin");
                 },
                 "reached through a symbolic link"},
        BadEntry{"device", [](const swtest::FixtureTree &, const QString &) { return QStringLiteral("/dev/zero"); },
                 "/dev/zero"},
        BadEntry{"folder", [](const swtest::FixtureTree &, const QString &twin) { return QFileInfo(twin).path(); },
                 "sub"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
