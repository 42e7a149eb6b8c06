// SPDX-License-Identifier: GPL-3.0-or-later
// The protected system folders a finder command leaves out are named on
// stderr, one line each with the reason, instead of a silent "0 items"; and
// what lies in them is never listed, not even as a copy of a file outside.

#include "FinderCliSupport.h"

#include <gtest/gtest.h>

namespace {

struct Row
{
    const char *name;
    QStringList folders;  // "@" stands for the fixture's folder
    QStringList lines;    // on stderr after "sweepwright-cli: left out ", each once; nothing else left out
    QStringList sets;     // the paths of each set found, below the fixture, joined by " "
};

class LeftOutRows : public ::testing::TestWithParam<Row>
{
};

TEST_P(LeftOutRows, NameEachProtectedFolderWithItsReason)
{
    const Row &row = GetParam();
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.text(QStringLiteral("root/usr/share/x.bin"), swtest::pattern(1, 40000));
    tree.text(QStringLiteral("root/usr/y.bin"), swtest::pattern(1, 40000));
    tree.text(QStringLiteral("root/etc/z.bin"), swtest::pattern(2, 40000));
    tree.text(QStringLiteral("root/data/p.bin"), swtest::pattern(2, 40000));
    tree.text(QStringLiteral("root/data/q.bin"), swtest::pattern(3, 40000));
    tree.text(QStringLiteral("root/data/r.bin"), swtest::pattern(3, 40000));
    tree.link(QStringLiteral("to-usr"), tree.path(QStringLiteral("root/usr")));

    QStringList folders = row.folders;
    folders.replaceInStrings(QStringLiteral("@"), tree.root());
    const swtest::CliRun run = swtest::runCli(
        QStringList{QStringLiteral("dups"), QStringLiteral("--json"), QStringLiteral("--home"), home,
                    QStringLiteral("--root"), tree.path(QStringLiteral("root"))}
            + folders,
        tree.path(QStringLiteral("config")), tree.root());
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QString err = QString::fromUtf8(run.err);
    for (const QString &line : row.lines)
        EXPECT_EQ(err.count(QStringLiteral("sweepwright-cli: left out %1\n").arg(QString(line).replace(u'@', tree.root()))), 1)
            << err.toStdString();
    EXPECT_EQ(err.count(QStringLiteral("left out ")), row.lines.size()) << err.toStdString();

    EXPECT_EQ(swtest::dupSets(run.out, tree.root()), row.sets) << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LeftOutRows,
    ::testing::Values(
        Row{"NamedProtectedFolder", {"@/root/usr"}, {"@/root/usr: it is a protected system folder"}, {}},
        Row{"FolderInsideOne", {"@/root/usr/share"},
            {"@/root/usr/share: it lies in the protected system folder @/root/usr"}, {}},
        Row{"LinkToOne", {"@/to-usr"}, {"@/to-usr: it is a protected system folder"}, {}},
        // z.bin in etc is a copy of p.bin: p.bin is listed alone, as a copy
        // whose twin may not go is.
        Row{"FolderHoldingThem", {"@/root"},
            {"@/root/usr: it is a protected system folder", "@/root/etc: it is a protected system folder"},
            {"root/data/p.bin", "root/data/q.bin root/data/r.bin"}},
        Row{"OneOfTwoNamed", {"@/root/data", "@/root/etc"},
            {"@/root/etc: it is a protected system folder"}, {"root/data/q.bin root/data/r.bin"}},
        Row{"NoneNearby", {"@/root/data"}, {}, {"root/data/q.bin root/data/r.bin"}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
