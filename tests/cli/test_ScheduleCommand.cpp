// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli schedule, run as a program against a stand-in systemctl
// put first on PATH, with the units checked by systemd's own verifier.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/SystemctlStandIn.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

using swtest::CliRun;
using swtest::SystemctlStandIn;

class ScheduleCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        config = tree.folder(QStringLiteral("config"));
    }

    CliRun schedule(const SystemctlStandIn &systemctl, const QStringList &args, const QStringList &env = {}) const
    {
        return swtest::runCli(QStringList{QStringLiteral("schedule"), QStringLiteral("--json")} + args, config,
                              QString(), QStringList{QStringLiteral("PATH=") + systemctl.path()} + env);
    }

    static QJsonObject json(const CliRun &run) { return QJsonDocument::fromJson(run.out).object(); }

    QString unit(const char *name) const { return tree.path(QStringLiteral("config/systemd/user/")) + name; }

    swtest::FixtureTree tree;
    QString config;
};

// The program's path goes into ExecStart with a blank, a specifier and a
// variable in it: systemd must read back exactly that path.
TEST_F(ScheduleCommand, WeeklyWritesUnitsSystemdAcceptsAndEnablesTheTimer)
{
    const QString odd = tree.folder(QStringLiteral("odd dir %h $HOME"));
    ASSERT_TRUE(QFile::link(QStringLiteral(SWEEPWRIGHT_CLI), odd + QStringLiteral("/sweepwright-cli")));
    SystemctlStandIn systemctl;
    const CliRun run = schedule(systemctl, {QStringLiteral("--weekly")},
                                {QStringLiteral("SWEEPWRIGHT_CLI=") + odd + QStringLiteral("/sweepwright-cli")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(json(run).value(QStringLiteral("frequency")).toString(), QStringLiteral("weekly"));
    EXPECT_TRUE(json(run).value(QStringLiteral("enabled")).toBool());
    EXPECT_EQ(systemctl.changes(), (QStringList{QStringLiteral("--user daemon-reload"),
                                                QStringLiteral("--user enable --now sweepwright-clean.timer")}));
    const QByteArray timer = swtest::FixtureTree::bytesAt(unit("sweepwright-clean.timer"));
    const QByteArray service = swtest::FixtureTree::bytesAt(unit("sweepwright-clean.service"));
    for (const char *line : {"OnCalendar=weekly\n", "Persistent=true\n", "RandomizedDelaySec="})
        EXPECT_TRUE(timer.contains(line)) << line;
    for (const char *line : {"Nice=19\n", "IOSchedulingClass=idle\n", "junk --clean --yes --profile scheduled\n"})
        EXPECT_TRUE(service.contains(line)) << line;

    const QString verifier = QStandardPaths::findExecutable(QStringLiteral("systemd-analyze"));
    if (verifier.isEmpty())
        GTEST_SKIP() << "systemd-analyze is not installed (package systemd)";
    QProcess verify;
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(verifier, {QStringLiteral("verify"), unit("sweepwright-clean.timer"), unit("sweepwright-clean.service")});
    ASSERT_TRUE(verify.waitForFinished(60000));
    const QByteArray said = verify.readAll();
    if (said.contains("Failed to initialize manager") || said.contains("Failed to setup working directory"))
        GTEST_SKIP() << "systemd-analyze cannot run here: " << said.toStdString();
    EXPECT_EQ(verify.exitCode(), 0) << said.toStdString();
    EXPECT_TRUE(said.isEmpty()) << said.toStdString();
}

TEST_F(ScheduleCommand, OffDisablesTheTimerAndRemovesBothUnits)
{
    SystemctlStandIn systemctl;
    ASSERT_EQ(schedule(systemctl, {QStringLiteral("--daily")}).code, 0);
    const CliRun run = schedule(systemctl, {QStringLiteral("--off")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(systemctl.changes().mid(2),
              (QStringList{QStringLiteral("--user disable --now sweepwright-clean.timer"),
                           QStringLiteral("--user daemon-reload")}));
    EXPECT_FALSE(QFile::exists(unit("sweepwright-clean.timer")));
    EXPECT_FALSE(QFile::exists(unit("sweepwright-clean.service")));
    EXPECT_EQ(json(run).value(QStringLiteral("frequency")).toString(), QStringLiteral("never"));
    EXPECT_FALSE(json(run).value(QStringLiteral("enabled")).toBool());
}

// A timer written but not enabled would look set and never run: it goes again.
TEST_F(ScheduleCommand, TimerThatCannotBeEnabledIsTakenAwayAndTheFailureTold)
{
    SystemctlStandIn systemctl(QStringLiteral("running"), QStringLiteral("enable"));
    const CliRun run = schedule(systemctl, {QStringLiteral("--monthly")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Failed to enable unit")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(unit("sweepwright-clean.timer")));
    EXPECT_FALSE(QFile::exists(unit("sweepwright-clean.service")));
    EXPECT_EQ(json(run).value(QStringLiteral("frequency")).toString(), QStringLiteral("never"));
}

struct Unreachable
{
    const char *name;
    const char *state;  // what is-system-running says; null: no systemctl at all
    const char *reason;
};

class ScheduleUnreachable : public ScheduleCommand, public ::testing::WithParamInterface<Unreachable>
{
};

TEST_P(ScheduleUnreachable, ChangesNothingAndSaysWhy)
{
    const Unreachable row = GetParam();
    SystemctlStandIn systemctl(QString::fromLatin1(row.state ? row.state : "running"));
    const QStringList env = row.state ? QStringList() : QStringList{QStringLiteral("PATH=") + tree.folder(QStringLiteral("empty"))};
    const CliRun run = schedule(systemctl, {QStringLiteral("--daily")}, env);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(row.reason)) << run.err.toStdString();
    EXPECT_FALSE(json(run).value(QStringLiteral("available")).toBool());
    EXPECT_TRUE(json(run).value(QStringLiteral("reason")).toString().contains(QLatin1String(row.reason)));
    EXPECT_FALSE(QFile::exists(unit("sweepwright-clean.timer")));
    EXPECT_TRUE(systemctl.changes().isEmpty()) << systemctl.changes().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, ScheduleUnreachable,
                         ::testing::Values(Unreachable{"NoUserManager", "offline", "offline"},
                                           Unreachable{"NoSystemctl", nullptr, "no systemctl"}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
