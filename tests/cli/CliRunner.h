// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the built sweepwright-cli as a child process for the command tests:
// with a private settings folder and none of the caller's layout variables.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace swtest {

struct CliRun
{
    int code = -1;  // -1: crashed or did not finish
    QByteArray out;
    QByteArray err;
};

// extraEnv holds NAME=VALUE assignments; workingDir is left alone when empty;
// wrapper is a command the program runs under (its arguments, then the
// program's path and args follow); input is written to the program's
// standard input, which is then closed.
inline CliRun runCli(const QStringList &args, const QString &configDir, const QString &workingDir = QString(),
                     const QStringList &extraEnv = {}, const QStringList &wrapper = {},
                     const QByteArray &input = QByteArray())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
    for (const char *name : {"SWEEPWRIGHT_LAYOUT", "SWEEPWRIGHT_ROOT", "SWEEPWRIGHT_HOME", "XDG_DATA_HOME"})
        env.remove(QString::fromLatin1(name));
    for (const QString &assignment : extraEnv)
        env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    if (wrapper.isEmpty())
        process.start(QStringLiteral(SWEEPWRIGHT_CLI), args);
    else
        process.start(wrapper.constFirst(), wrapper.mid(1) + QStringList{QStringLiteral(SWEEPWRIGHT_CLI)} + args);
    process.write(input);
    process.closeWriteChannel();
    CliRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

}  // namespace swtest
