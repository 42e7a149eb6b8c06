// SPDX-License-Identifier: GPL-3.0-or-later
// "-" as a folder or path argument: the paths come from standard input,
// NUL-separated when the input holds a NUL byte (so a name may hold a
// newline), else one a line; and "--", after which a word is a path even
// when it starts with "-".

#include "FinderCliSupport.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

namespace {

using swtest::CliRun;

struct Row
{
    const char *name;
    QStringList args;  // after the command; "@" stands for the fixture's folder
    QByteArray input;  // "@" stands for the fixture's folder
    int code;
    QStringList sets;   // dups: the paths of each set found, below the fixture, joined by " "
    QString fragment;   // in stderr (code != 0) or stdout
};

class InputPathsRows : public ::testing::TestWithParam<Row>
{
};

TEST_P(InputPathsRows, TakeThePathsOfStandardInput)
{
    const Row &row = GetParam();
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.text(QStringLiteral("a/song.mp3"), swtest::pattern(1, 40000));
    tree.text(QStringLiteral("line\nbreak/song.mp3"), swtest::pattern(1, 40000));
    tree.text(QStringLiteral("b/song.mp3"), swtest::pattern(1, 40000));
    tree.text(QStringLiteral("-weird"), "odd name");
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());

    QStringList args = row.args;
    args.replaceInStrings(QStringLiteral("@"), tree.root());
    QByteArray input = row.input;
    input.replace('@', QFile::encodeName(tree.root()));
    args.insert(1, QStringLiteral("--home"));
    args.insert(2, home);
    const CliRun run = swtest::runCli(args,
                                      tree.path(QStringLiteral("config")), tree.root(), {}, {}, input);
    ASSERT_EQ(run.code, row.code) << run.err.toStdString() << run.out.toStdString();
    EXPECT_TRUE((row.code ? run.err : run.out).contains(QString(row.fragment).replace(u'@', tree.root()).toUtf8()))
        << run.err.toStdString() << run.out.toStdString();
    if (args.contains(QStringLiteral("dups")) && row.code == 0) {
        EXPECT_EQ(swtest::dupSets(run.out, tree.root()), row.sets) << run.out.toStdString();
    }
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());  // nothing asked to go went
}

const QString kDups = QStringLiteral("dups");
const QString kShred = QStringLiteral("shred");
const QString kJson = QStringLiteral("--json");
const QString kStdin = QStringLiteral("-");
constexpr char kNulList[] = "@/line\nbreak\0@/b\0";

INSTANTIATE_TEST_SUITE_P(
    Rows, InputPathsRows,
    ::testing::Values(
        Row{"LinesWithEmptyOnesSkipped", {kDups, kJson, kStdin}, "@/a\n\n@/b\n", 0, {"a/song.mp3 b/song.mp3"}, {}},
        Row{"NulSeparatedNamesKeepTheirNewline", {kDups, kJson, kStdin}, QByteArray(kNulList, sizeof kNulList - 1), 0,
            {"b/song.mp3 line\nbreak/song.mp3"}, {}},
        Row{"BesideANamedFolder", {kDups, kJson, QStringLiteral("@/a"), kStdin}, "@/b\n", 0,
            {"a/song.mp3 b/song.mp3"}, {}},
        Row{"AMissingFolderIsAUsageError", {kDups, kJson, kStdin}, "@/a\n@/gone\n", 2, {}, "/gone: no such folder"},
        Row{"EmptyInputScansNoDefaults", {kDups, kJson, kStdin}, "\n\n", 2, {}, "standard input (-) names no path"},
        Row{"ShredPlansThePathsRead", {kShred, QStringLiteral("--dry-run"), kStdin}, "@/a\n@/-weird\n", 0, {},
            "Would shred: @/-weird"},
        // "--" ends the options: a path that starts with "-", and a word that
        // only looks like a layout option.
        Row{"DoubleDashEndsTheOptions", {kShred, QStringLiteral("--dry-run"), QStringLiteral("--"), "-weird"}, {}, 0,
            {}, "Would shred: @/-weird"},
        Row{"LayoutWordAfterDoubleDashIsAFolder", {kDups, QStringLiteral("--"), QStringLiteral("--layout=none")}, {},
            2, {}, "--layout=none: no such folder"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
