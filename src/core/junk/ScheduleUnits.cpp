// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/ScheduleUnits.h"

#include "core/platform/ORLayout.h"

#include <QList>

namespace sw {

namespace {

const QByteArray kDescription = QByteArrayLiteral("Description=Sweepwright: clean junk files on a schedule\n");
const QByteArray kOnCalendar = QByteArrayLiteral("OnCalendar=");

// A word of ExecStart or Environment, quoted as systemd unquotes it: "%"
// would start a specifier. Neither line expands "$" (ExecStart's program
// never does), so it stays as it is.
QByteArray quoted(const QString &word)
{
    QByteArray out = "\"";
    for (const char c : word.toUtf8()) {
        if (c == '%')
            out += "%%";
        else if (c == '\\' || c == '"')
            out += QByteArray(1, '\\') + c;
        else
            out += c;
    }
    return out + '"';
}

// systemd refuses a program whose name holds a quote, a backslash or a
// control character.
bool isSafeProgram(const QString &program)
{
    for (const QChar c : program)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('\\') || c == QLatin1Char('"')
            || c == QLatin1Char('\''))
            return false;
    return true;
}

}  // namespace

QString ScheduleUnits::folder()
{
    return ORLayout::configHome() + QStringLiteral("/systemd/user");
}

QString ScheduleUnits::word(ScheduleFrequency frequency)
{
    switch (frequency) {
    case ScheduleFrequency::Daily: return QStringLiteral("daily");
    case ScheduleFrequency::Weekly: return QStringLiteral("weekly");
    case ScheduleFrequency::Monthly: return QStringLiteral("monthly");
    case ScheduleFrequency::Never: break;
    }
    return QStringLiteral("never");
}

QByteArray ScheduleUnits::timerText(ScheduleFrequency frequency)
{
    return "[Unit]\n" + kDescription + "\n[Timer]\n" + kOnCalendar + word(frequency).toLatin1()
           + "\nPersistent=true\nRandomizedDelaySec=1h\n\n[Install]\nWantedBy=timers.target\n";
}

std::optional<QByteArray> ScheduleUnits::serviceText(const QString &program)
{
    if (!isSafeProgram(program))
        return std::nullopt;
    QByteArray text = "[Unit]\n" + kDescription + "\n[Service]\nType=oneshot\n";
    // The run reads the settings this program wrote, wherever they are.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && !configHome.contains(QLatin1Char('\n')))
        text += "Environment=" + quoted(QStringLiteral("XDG_CONFIG_HOME=") + configHome) + '\n';
    text += "ExecStart=" + quoted(program) + " junk --clean --yes --profile scheduled\n";
    return text + "Nice=19\nIOSchedulingClass=idle\n";
}

ScheduleFrequency ScheduleUnits::frequencyOf(const QByteArray &timerText)
{
    for (const QByteArray &line : timerText.split('\n')) {
        if (!line.startsWith(kOnCalendar))
            continue;
        const QByteArray value = line.mid(kOnCalendar.size()).trimmed();
        for (const ScheduleFrequency f : {ScheduleFrequency::Daily, ScheduleFrequency::Weekly, ScheduleFrequency::Monthly})
            if (value == word(f).toLatin1())
                return f;
    }
    return ScheduleFrequency::Never;
}

}  // namespace sw
