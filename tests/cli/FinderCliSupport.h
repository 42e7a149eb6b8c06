// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs sweepwright-cli as a child process for the finder commands' tests:
// in a working folder of its own (which must stay empty), with a private
// settings folder and no layout variables from the caller.

#include "CliRunner.h"
#include "support/FinderTestSupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace swtest {

// The sets of a dups --json report, sorted: each set's paths below root,
// sorted and joined by " ".
inline QStringList dupSets(const QByteArray &out, const QString &root)
{
    QStringList sets;
    for (const QJsonValue &group : QJsonDocument::fromJson(out).object().value(QStringLiteral("dupGroups")).toArray()) {
        QStringList paths;
        for (const QJsonValue &item : group.toObject().value(QStringLiteral("groupItems")).toArray())
            paths << item.toObject().value(QStringLiteral("itemPath")).toString().mid(root.size() + 1);
        paths.sort();
        sets << paths.join(QLatin1Char(' '));
    }
    sets.sort();
    return sets;
}

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

    CliRun cli(const QStringList &args) const { return runCli(args, tree.path(QStringLiteral("config")), cwd); }

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
