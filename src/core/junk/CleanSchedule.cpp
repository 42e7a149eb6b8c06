// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/CleanSchedule.h"

#include "core/foundation/AutostartFolder.h"
#include "core/platform/UserSystemctl.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace sw {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CleanSchedule)
};

const QString kProgramName = QStringLiteral("sweepwright-cli");

// The user's unit folder, written and cleared as safely as the autostart
// folder: renamed into place, never written through a planted link.
AutostartFolder unitFolder()
{
    return AutostartFolder(ScheduleUnits::folder());
}

QString timerName()
{
    return QString::fromLatin1(ScheduleUnits::kTimer);
}

QString serviceName()
{
    return QString::fromLatin1(ScheduleUnits::kService);
}

}  // namespace

ScheduleFrequency CleanSchedule::frequency()
{
    const auto text = unitFolder().read(timerName());
    return text ? ScheduleUnits::frequencyOf(*text) : ScheduleFrequency::Never;
}

bool CleanSchedule::isEnabled()
{
    return UserSystemctl::isEnabled(timerName());
}

QString CleanSchedule::program()
{
    const QString named = qEnvironmentVariable("SWEEPWRIGHT_CLI");
    if (!named.isEmpty())
        return QFileInfo(named).absoluteFilePath();
    const QFileInfo self(QCoreApplication::applicationFilePath());
    if (self.fileName() == kProgramName)
        return self.absoluteFilePath();
    return self.absolutePath() + QLatin1Char('/') + kProgramName;
}

QString CleanSchedule::unavailableReason()
{
    const QFileInfo cli(program());
    if (!cli.isFile() || !cli.isExecutable())
        return Text::tr("The command-line program is not installed beside this one (%1).").arg(cli.filePath());
    return UserSystemctl::unavailableReason();
}

std::optional<QString> CleanSchedule::apply(ScheduleFrequency frequency)
{
    const QString reason = unavailableReason();
    if (frequency == ScheduleFrequency::Never)
        return uninstall(reason.isEmpty());
    if (!reason.isEmpty())
        return reason;
    return install(frequency);
}

std::optional<QString> CleanSchedule::install(ScheduleFrequency frequency)
{
    const auto service = ScheduleUnits::serviceText(program());
    if (!service)
        return Text::tr("The program's path cannot be written in a unit file: %1").arg(program());
    const AutostartFolder folder = unitFolder();
    if (!folder.write(serviceName(), *service) || !folder.write(timerName(), ScheduleUnits::timerText(frequency))) {
        uninstall(false);
        return Text::tr("Could not write the timer into %1.").arg(folder.path());
    }
    std::optional<QString> failed = UserSystemctl::run({QStringLiteral("daemon-reload")});
    if (!failed)
        failed = UserSystemctl::run({QStringLiteral("enable"), QStringLiteral("--now"), timerName()});
    if (failed)
        uninstall(true);
    return failed;
}

// A timer the manager no longer knows of (removed by hand) is no failure.
std::optional<QString> CleanSchedule::uninstall(bool reachable)
{
    const AutostartFolder folder = unitFolder();
    const bool present = QFileInfo::exists(folder.filePath(timerName()));
    if (reachable && present)
        UserSystemctl::run({QStringLiteral("disable"), QStringLiteral("--now"), timerName()});
    for (const QString &name : {timerName(), serviceName()})
        if (QFileInfo(folder.filePath(name)).isFile() && !folder.remove(name))
            return Text::tr("Could not remove %1.").arg(folder.filePath(name));
    if (reachable && present)
        return UserSystemctl::run({QStringLiteral("daemon-reload")});
    return std::nullopt;
}

}  // namespace sw
