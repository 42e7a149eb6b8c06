// sweepwright-cli shred, run as a program on a fixture tree.

#include "CliRunner.h"
#include "FixtureTree.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using swtest::CliRun;
using swtest::TreeSnapshot;

TEST(ShredCommand, DryRunTouchesNothingThenRemovesTheListedPathAndRefusesTheHome)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.file(QStringLiteral("home/notes"), 7);
    tree.file(QStringLiteral("data/keep"), 50);
    tree.file(QStringLiteral("drop/dir/a"), 10);
    tree.link(QStringLiteral("drop/dir/to-data"), tree.path(QStringLiteral("data")));
    const QString dir = tree.path(QStringLiteral("drop/dir"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    // The folder as a relative path with a trailing slash: still the folder, not what links lead to.
    auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("shred"), QStringLiteral("--root"), tree.root(),
                                          QStringLiteral("--home"), home, QStringLiteral("--json"),
                                          QStringLiteral("drop/dir/"), home}
                                  + args,
                              tree.path(QStringLiteral("config")), tree.root());
    };
    const auto parsed = [](const CliRun &r) { return QJsonDocument::fromJson(r.out).object(); };

    const CliRun dry = run({QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.code, 1) << dry.err.toStdString();  // the home stays
    EXPECT_EQ(parsed(dry).value("plan").toArray(), QJsonArray{dir});
    EXPECT_EQ(parsed(dry).value("shredSize").toInteger(), 0);
    EXPECT_EQ(run({}).code, 2);  // nobody to confirm
    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());

    const CliRun done = run({QStringLiteral("--yes"), QStringLiteral("--overwrite")});
    EXPECT_EQ(done.code, 1) << done.err.toStdString();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), (QStringList{dir, dir + "/a", dir + "/to-data"}));
    const QJsonObject result = parsed(done);
    EXPECT_EQ(result.keys(), (QStringList{"failed", "removed", "shredSize"}));
    EXPECT_EQ(result.value("shredSize").toInteger(), before.bytesGone(after, {dir}));
    EXPECT_EQ(result.value("removed").toArray(), QJsonArray{dir});
    const QJsonArray failed = result.value("failed").toArray();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.at(0).toObject().value("path").toString(), home);
    EXPECT_FALSE(failed.at(0).toObject().value("reason").toString().isEmpty());
}

}  // namespace
