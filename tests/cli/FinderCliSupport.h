#pragma once

// Runs sweepwright-cli as a child process for the finder commands' tests:
// in a working folder of its own (which must stay empty), with a private
// settings folder and no layout variables from the caller.

#include "FinderTestSupport.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace swtest {

struct CliRun
{
    int code = -1;
    QByteArray out;
    QByteArray err;
};

class FinderCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));
        cwd = tree.folder(QStringLiteral("cwd"));
    }

    void TearDown() override
    {
        // Nothing is ever written into the working folder.
        EXPECT_EQ(QDir(cwd).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }

    CliRun cli(const QStringList &args) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
        for (const char *name : {"SWEEPWRIGHT_LAYOUT", "SWEEPWRIGHT_ROOT", "SWEEPWRIGHT_HOME", "XDG_DATA_HOME"})
            env.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(cwd);
        process.start(QStringLiteral(SWEEPWRIGHT_CLI), args);
        CliRun run;
        if (!process.waitForFinished(120000))
            return run;
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    // The command with --home and --json, parsed.
    QJsonObject json(const QString &command, const QStringList &args, int expectedCode = 0) const
    {
        const CliRun run = cli(QStringList{command, QStringLiteral("--home"), home, QStringLiteral("--json")} + args);
        EXPECT_EQ(run.code, expectedCode) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains('\r')) << "a progress line although stderr is no terminal";
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
        return doc.object();
    }

    QString trashFiles() const { return home + QStringLiteral("/.local/share/Trash/files"); }

    FixtureTree tree;
    QString home;
    QString cwd;
};

}  // namespace swtest
