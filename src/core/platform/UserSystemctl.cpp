// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/UserSystemctl.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(UserSystemctl)
};

constexpr int kQuickMsecs = 5000;
// daemon-reload and starting a timer can take a while on a busy session.
constexpr int kChangeMsecs = 30000;

// What is-system-running prints for a manager that is up and runs timers.
const QStringList kRunningStates{QStringLiteral("running"), QStringLiteral("degraded"),
                                 QStringLiteral("starting"), QStringLiteral("initializing")};

}  // namespace

UserSystemctl::Outcome UserSystemctl::call(const QStringList &args, int msecs)
{
    Outcome outcome;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (program.isEmpty())
        return outcome;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, QStringList{QStringLiteral("--user")} + args);
    if (!process.waitForStarted(msecs))
        return outcome;
    outcome.started = true;
    if (!process.waitForFinished(msecs)) {
        process.kill();
        process.waitForFinished(kQuickMsecs);
        outcome.output = Text::tr("systemctl did not answer in time");
        return outcome;
    }
    outcome.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return outcome;
}

QString UserSystemctl::unavailableReason()
{
    if (QStandardPaths::findExecutable(QStringLiteral("systemctl")).isEmpty())
        return Text::tr("systemd is not installed here (no systemctl).");
    const Outcome outcome = call({QStringLiteral("is-system-running")}, kQuickMsecs);
    const QString state = outcome.output.section(QLatin1Char('\n'), 0, 0);
    if (outcome.code == 0 || kRunningStates.contains(state))
        return QString();
    return Text::tr("No systemd user session is running (systemctl --user says: %1).")
        .arg(state.isEmpty() ? Text::tr("nothing") : state);
}

std::optional<QString> UserSystemctl::run(const QStringList &args)
{
    const Outcome outcome = call(args, kChangeMsecs);
    if (outcome.code == 0)
        return std::nullopt;
    if (!outcome.started)
        return Text::tr("systemctl could not be started");
    const QString command = QStringLiteral("systemctl --user ") + args.join(QLatin1Char(' '));
    return outcome.output.isEmpty() ? Text::tr("%1 failed").arg(command)
                                    : Text::tr("%1 failed: %2").arg(command, outcome.output);
}

bool UserSystemctl::isEnabled(const QString &unit)
{
    return call({QStringLiteral("is-enabled"), QStringLiteral("--quiet"), unit}, kQuickMsecs).code == 0;
}

}  // namespace sw
