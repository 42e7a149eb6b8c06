// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli history: every removal of the command line is recorded, and
// what went to the Trash comes back with --put-back, never over anything.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using swtest::CliRun;
using swtest::TreeSnapshot;

class HistoryCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));
        root = tree.folder(QStringLiteral("root"));
    }

    CliRun cli(const QStringList &args) const
    {
        return swtest::runCli(QStringList{args.constFirst(), QStringLiteral("--home"), home} + args.mid(1),
                              tree.path(QStringLiteral("config")));
    }

    QJsonObject json(const QStringList &args, int expectedCode = 0) const
    {
        const CliRun run = cli(args + QStringList{QStringLiteral("--json")});
        EXPECT_EQ(run.code, expectedCode) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).object();
    }

    // The runs newest first.
    QJsonArray runs() const { return json({QStringLiteral("history")}).value("runs").toArray(); }

    QStringList fates(const QJsonObject &run) const
    {
        QStringList out;
        for (const QJsonValue &item : run.value("items").toArray())
            out << item.toObject().value("fate").toString();
        return out;
    }

    swtest::FixtureTree tree;
    QString home;
    QString root;
};

struct ToolRow
{
    const char *name;
    const char *tool;
    void (*plant)(const swtest::FixtureTree &tree);
    QStringList (*command)(const swtest::FixtureTree &tree);
    int items;
};

const ToolRow kTools[] = {
    {"Duplicate", "dups",
     [](const swtest::FixtureTree &tree) {
         tree.text(QStringLiteral("home/Pictures/a.jpg"), QByteArray(20000, 'p'));
         tree.text(QStringLiteral("home/Pictures/copy/a.jpg"), QByteArray(20000, 'p'));
     },
     [](const swtest::FixtureTree &tree) {
         return QStringList{QStringLiteral("dups"), tree.path(QStringLiteral("home/Pictures")),
                            QStringLiteral("--trash-all-but-first"), QStringLiteral("--yes")};
     },
     1},
    {"LargeFile", "large",
     [](const swtest::FixtureTree &tree) {
         QFile big(tree.path(QStringLiteral("home/Videos/big.mkv")));
         tree.folder(QStringLiteral("home/Videos"));
         ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(40LL * 1024 * 1024));
     },
     [](const swtest::FixtureTree &tree) {
         return QStringList{QStringLiteral("large"), tree.path(QStringLiteral("home/Videos")), QStringLiteral("--trash"),
                            QStringLiteral("--yes")};
     },
     1},
    {"UninstalledAppImage", "apps",
     [](const swtest::FixtureTree &tree) {
         tree.file(QStringLiteral("home/Applications/Viewer.AppImage"), 50);
         tree.file(QStringLiteral("home/.config/Viewer/settings"), 3);
     },
     [](const swtest::FixtureTree &tree) {
         return QStringList{QStringLiteral("apps"), QStringLiteral("--layout"), QStringLiteral("freedesktop"),
                            QStringLiteral("--root"), tree.path(QStringLiteral("root")), QStringLiteral("--remove"),
                            QStringLiteral("Viewer"), QStringLiteral("--yes")};
     },
     2},
};

class PutBack : public HistoryCommand, public ::testing::WithParamInterface<ToolRow>
{
};

// A run that moved items to the Trash is recorded with where each went; a
// dry run touches nothing; the put back brings the home back as it was, its
// items out of the Trash, and is recorded as a run of its own.
TEST_P(PutBack, RestoresWhatTheRunMovedToTheTrash)
{
    GetParam().plant(tree);
    const TreeSnapshot before = TreeSnapshot::of(home);
    ASSERT_EQ(cli(GetParam().command(tree)).code, 0);
    const QJsonObject run = runs().at(0).toObject();
    EXPECT_EQ(run.value("tool").toString(), QLatin1String(GetParam().tool));
    EXPECT_EQ(fates(run), QStringList(GetParam().items, QStringLiteral("trash")));
    for (const QJsonValue &item : run.value("items").toArray())
        EXPECT_TRUE(QFile::exists(item.toObject().value("trash").toString()));
    const QString id = run.value("id").toString();

    const TreeSnapshot removed = TreeSnapshot::of(home);
    const QJsonObject plan = json({QStringLiteral("history"), QStringLiteral("--put-back"), id, QStringLiteral("--dry-run")});
    EXPECT_EQ(plan.value("plan").toArray().size(), GetParam().items);
    EXPECT_TRUE(removed.vanished(TreeSnapshot::of(home)).isEmpty());

    const QJsonObject done = json({QStringLiteral("history"), QStringLiteral("--put-back"), id, QStringLiteral("--yes")});
    EXPECT_EQ(fates(done.value("putBack").toObject()), QStringList(GetParam().items, QStringLiteral("restored")));
    const TreeSnapshot after = TreeSnapshot::of(home);
    EXPECT_EQ(before.vanished(after), QStringList());
    EXPECT_EQ(before.changed(after), QStringList());
    EXPECT_EQ(QDir(home + QStringLiteral("/.local/share/Trash/info")).entryList(QDir::Files), QStringList());
    const QJsonObject putBack = runs().at(0).toObject();
    EXPECT_EQ(putBack.value("tool").toString(), QLatin1String("putback"));
    EXPECT_EQ(putBack.value("putBackOf").toString(), id);
}

INSTANTIATE_TEST_SUITE_P(History, PutBack, ::testing::ValuesIn(kTools),
                         [](const auto &info) { return std::string(info.param.name); });

// Three copies: one original path is taken by a new file meanwhile, the
// other copy's Trash entry was emptied. Neither is touched: the new file
// keeps its contents, the first copy stays in the Trash with its info, and
// each failure names its reason.
TEST_F(HistoryCommand, PutBackNeverOverwritesAndNamesWhatCouldNotComeBack)
{
    for (const char *rel : {"home/D/a.txt", "home/D/b/a.txt", "home/D/c/a.txt"})
        tree.text(QString::fromLatin1(rel), QByteArray(20000, 'd'));
    ASSERT_EQ(cli({QStringLiteral("dups"), tree.path(QStringLiteral("home/D")), QStringLiteral("--trash-all-but-first"),
                   QStringLiteral("--yes")})
                  .code,
              0);
    const QJsonObject run = runs().at(0).toObject();
    const QJsonArray items = run.value("items").toArray();
    ASSERT_EQ(items.size(), 2);
    const QString taken = items.at(0).toObject().value("path").toString();
    const QString takenTrash = items.at(0).toObject().value("trash").toString();
    tree.text(taken.mid(tree.root().size() + 1), "new");
    ASSERT_TRUE(QFile::remove(items.at(1).toObject().value("trash").toString()));

    const CliRun done = cli({QStringLiteral("history"), QStringLiteral("--put-back"), run.value("id").toString(),
                             QStringLiteral("--yes")});
    EXPECT_EQ(done.code, 1);
    EXPECT_EQ(swtest::FixtureTree::bytesAt(taken), QByteArray("new"));
    EXPECT_TRUE(QFile::exists(takenTrash));
    EXPECT_TRUE(QFile::exists(home + QStringLiteral("/.local/share/Trash/info/") + QFileInfo(takenTrash).fileName()
                              + QStringLiteral(".trashinfo")));
    EXPECT_TRUE(done.out.contains("something of that name is there now")) << done.out.toStdString();
    EXPECT_TRUE(done.out.contains("it is no longer in the Trash")) << done.out.toStdString();
    EXPECT_EQ(fates(runs().at(0).toObject()), (QStringList{QStringLiteral("failed"), QStringLiteral("failed")}));
}

// The shredder removes for good: recorded so, and nothing to put back.
TEST_F(HistoryCommand, ShreddedItemsAreRecordedAsDeletedForGood)
{
    const QString file = tree.file(QStringLiteral("home/secret.txt"), 100);
    ASSERT_EQ(cli({QStringLiteral("shred"), file, QStringLiteral("--yes")}).code, 0);
    const QJsonObject run = runs().at(0).toObject();
    EXPECT_EQ(run.value("tool").toString(), QLatin1String("shred"));
    EXPECT_EQ(fates(run), QStringList{QStringLiteral("deleted")});
    const QJsonObject none =
        json({QStringLiteral("history"), QStringLiteral("--put-back"), run.value("id").toString(), QStringLiteral("--yes")}, 1);
    EXPECT_EQ(none.value("deletedForGood").toArray(), QJsonArray{file});
    EXPECT_EQ(runs().size(), 1);
    const CliRun text = cli({QStringLiteral("history")});
    EXPECT_TRUE(text.out.contains(run.value("id").toString().toUtf8())) << text.out.toStdString();
}

}  // namespace
