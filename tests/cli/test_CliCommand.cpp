// SPDX-License-Identifier: GPL-3.0-or-later
// What every command does before its own work, run as a program.

#include "CliRunner.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <pwd.h>
#include <unistd.h>

namespace {

// A user the password database does not know (a container's, one mapped in
// by number only) stopped every command with "sweepwright-cli: pw". It now
// works on $HOME and says so; without $HOME it stops with a sentence.
TEST(CliCommand, AUserWithoutAPasswordEntryWorksOnHome)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "becoming another user needs root";
    constexpr uid_t kStranger = 54321;
    if (::getpwuid(kStranger))
        GTEST_SKIP() << "uid 54321 has a password entry here";
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.text(QStringLiteral("home/.local/share/applications/notes.desktop"),
              "[Desktop Entry]\nType=Application\nName=Notes\nExec=/usr/bin/notes\n");
    tree.folder(QStringLiteral("root"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("54321:54321"),
                                                          tree.root()}),
              0);
    const QStringList asStranger{QStringLiteral("setpriv"), QStringLiteral("--reuid=54321"),
                                 QStringLiteral("--regid=54321"), QStringLiteral("--clear-groups")};
    const QStringList args{QStringLiteral("login"), QStringLiteral("--json"), QStringLiteral("--all"), QStringLiteral("--root"),
                           tree.path(QStringLiteral("root"))};
    const QString config = home + QStringLiteral("/.config");

    const swtest::CliRun run = swtest::runCli(
        args, config, QString(), {QStringLiteral("HOME=") + home, QStringLiteral("XDG_DATA_DIRS=")}, asStranger);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("user 54321 has no password entry: using $HOME (%1)").arg(home).toUtf8()))
        << run.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("loginItems")).toArray();
    ASSERT_EQ(items.size(), 1) << run.out.toStdString();
    EXPECT_EQ(items[0].toObject().value(QStringLiteral("id")).toString(), QStringLiteral("notes"));

    const swtest::CliRun homeless = swtest::runCli(args, config, QString(), {QStringLiteral("HOME=")}, asStranger);
    EXPECT_EQ(homeless.code, 2);
    EXPECT_TRUE(homeless.err.contains("no home folder: user 54321 has no password entry and $HOME is not set"))
        << homeless.err.toStdString();
}

}  // namespace
