// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/PackageCommands.h"

#include "core/foundation/STPrivilegedTask.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace sw {

namespace {

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PackageCommands)
};

QString program(const char *variable, const QString &name)
{
    const QString named = qEnvironmentVariable(variable);
    if (!named.isEmpty())
        return QDir::isAbsolutePath(named) ? named : QStandardPaths::findExecutable(named);
    return QStandardPaths::findExecutable(name);
}

using Outcome = PackageCommands::Outcome;

Outcome failed(const QString &reason)
{
    return {Outcome::Kind::Failed, reason};
}

QString lastLine(const QByteArray &text)
{
    const QList<QByteArray> lines = text.trimmed().split('\n');
    return QString::fromLocal8Bit(lines.constLast().trimmed());
}

// Runs the command with the user's own rights; its output, or a failure.
std::optional<QByteArray> runAsUser(const QString &command, const QStringList &arguments, QString &reason)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(command, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) {
        reason = Text::tr("%1 could not be run: %2").arg(command, process.errorString());
        return std::nullopt;
    }
    const QByteArray output = process.readAllStandardOutput();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        reason = Text::tr("%1 failed (exit status %2): %3")
                     .arg(QFileInfo(command).fileName())
                     .arg(process.exitCode())
                     .arg(lastLine(process.readAllStandardError()));
        return std::nullopt;
    }
    return output;
}

// Runs the command as root after the password dialog.
Outcome runPrivileged(const QString &command, const QStringList &arguments)
{
    STPrivilegedTask task(command, arguments, QStringLiteral("/"));
    const qint32 status = task.launch();
    const QString reason = Text::tr("%1; left in place").arg(STPrivilegedTask::statusText(status));
    if (status == STPrivilegedTask::errAuthorizationCanceled)
        return {Outcome::Kind::Cancelled, reason};
    if (status != STPrivilegedTask::errAuthorizationSuccess)
        return failed(reason);
    // The package managers write much: read until the end, or they block on the pipe.
    if (const std::shared_ptr<QFile> output = task.outputFileHandle())
        while (!output->read(64 * 1024).isEmpty()) {
        }
    task.waitUntilExit();
    if (task.terminationStatus() != 0)
        return failed(Text::tr("%1 failed with administrator rights (exit status %2)")
                          .arg(QFileInfo(command).fileName())
                          .arg(task.terminationStatus()));
    return {Outcome::Kind::Removed, {}};
}

}  // namespace

Outcome PackageCommands::uninstallFlatpak(const QString &id, const QString &installation)
{
    const QString flatpak = program("SWEEPWRIGHT_FLATPAK", QStringLiteral("flatpak"));
    if (flatpak.isEmpty())
        return failed(Text::tr("flatpak is not installed; left in place"));
    const QStringList arguments{QStringLiteral("uninstall"), QStringLiteral("--noninteractive"), installation, id};
    if (installation == QLatin1String("--user")) {
        QString reason;
        if (!runAsUser(flatpak, arguments, reason))
            return failed(reason);
        return {Outcome::Kind::Removed, {}};
    }
    return runPrivileged(flatpak, arguments);
}

QStringList PackageCommands::removals(const QByteArray &simulation)
{
    QStringList names;
    for (const QByteArray &line : simulation.split('\n')) {
        if (!line.startsWith("Remv "))
            continue;
        const QString name = QString::fromUtf8(line.mid(5).trimmed().split(' ').constFirst()).section(QLatin1Char(':'), 0, 0);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

std::optional<Outcome> PackageCommands::refusal(bool removesIt, const QStringList &others, const QString &manager)
{
    if (!removesIt)
        return failed(Text::tr("%1 would not remove it; left in place").arg(manager));
    if (!others.isEmpty())
        return failed(Text::tr("removing it would also remove %1; left in place").arg(others.join(QStringLiteral(", "))));
    return std::nullopt;
}

Outcome PackageCommands::removeDebian(const QString &package)
{
    const QString aptGet = program("SWEEPWRIGHT_APT_GET", QStringLiteral("apt-get"));
    if (aptGet.isEmpty())
        return failed(Text::tr("apt-get is not installed; left in place"));
    QString reason;
    const std::optional<QByteArray> simulation =
        runAsUser(aptGet, {QStringLiteral("--simulate"), QStringLiteral("remove"), package}, reason);
    if (!simulation)
        return failed(reason);
    QStringList others = removals(*simulation);
    const bool removesIt = others.removeAll(package) > 0;
    if (const std::optional<Outcome> refused = refusal(removesIt, others, QStringLiteral("apt-get")))
        return *refused;
    return runPrivileged(aptGet, {QStringLiteral("remove"), QStringLiteral("--yes"), package});
}

}  // namespace sw
