// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli runs a command kept in a helper program in its place:
// found beside it, or in the installed helpers' folder, else a clear error.

#include "CliRunner.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

class HelperProgram : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
    }

    // A copy of the built program at rel (folders made as needed).
    QString copyOf(const QString &built, const QString &rel) const
    {
        const QString to = QDir::cleanPath(tree.path(rel));
        QDir().mkpath(QFileInfo(to).path());
        return QFile::copy(built, to) ? to : QString();
    }

    swtest::CliRun run(const QString &program, const QStringList &args) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(tree.root());
        process.start(program, args);
        swtest::CliRun result;
        if (!process.waitForFinished(60000))
            return result;
        result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }

    swtest::FixtureTree tree;
};

TEST_F(HelperProgram, InstalledHelperGetsTheWordsAndGivesTheExitStatusEvenThroughALink)
{
    const QString program =
        copyOf(QStringLiteral(SWEEPWRIGHT_CLI), QStringLiteral("prefix/bin/sweepwright-cli"));
    ASSERT_FALSE(program.isEmpty());
    ASSERT_FALSE(copyOf(QStringLiteral(SWEEPWRIGHT_CLI_PDF),
                        QStringLiteral("prefix/bin/" SWEEPWRIGHT_HELPER_DIR "/sweepwright-cli-pdf"))
                     .isEmpty());
    // A link elsewhere to the installed program still finds its helpers.
    const QString link = tree.link(QStringLiteral("elsewhere/sweepwright-cli"), program);

    for (const QString &cli : {program, link}) {
        const swtest::CliRun help = run(cli, {QStringLiteral("pdf"), QStringLiteral("--help")});
        EXPECT_EQ(help.code, 0) << help.err.constData();
        EXPECT_TRUE(help.out.startsWith("Usage: sweepwright-cli pdf FILE")) << help.out.constData();
        const swtest::CliRun two =
            run(cli, {QStringLiteral("pdf"), QStringLiteral("a b.pdf"), QStringLiteral("c.pdf")});
        EXPECT_EQ(two.code, 2);
        EXPECT_TRUE(two.err.contains("pdf: more than one file given")) << two.err.constData();
    }
}

TEST_F(HelperProgram, MissingHelperExitsOneNamingIt)
{
    const QString program = copyOf(QStringLiteral(SWEEPWRIGHT_CLI), QStringLiteral("alone/sweepwright-cli"));
    ASSERT_FALSE(program.isEmpty());
    const swtest::CliRun missing = run(program, {QStringLiteral("pdf"), QStringLiteral("a.pdf")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains("sweepwright-cli-pdf is missing")) << missing.err.constData();
    EXPECT_TRUE(missing.out.isEmpty());
    // The other commands do not need it.
    EXPECT_EQ(run(program, {QStringLiteral("large"), QStringLiteral("--help")}).code, 0);
}

}  // namespace
