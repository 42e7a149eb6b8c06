// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace sw {

enum class ScheduleFrequency { Never, Daily, Weekly, Monthly };

// The text of the two systemd user units that clean on a schedule: a timer
// (OnCalendar at the chosen frequency, Persistent so a run missed while the
// machine was off happens at the next start, a randomised delay so not
// every machine cleans at midnight) and the service it starts, which runs
// the command line's scheduled junk cleaning at the lowest CPU and disk
// priority. Unit files have their own quoting: the program's path is
// quoted and its "%" doubled, or systemd would read a specifier in a
// folder's name; a path systemd cannot take (a quote, a backslash, a
// control character in it) is refused rather than written wrong.
class ScheduleUnits
{
public:
    static constexpr const char *kTimer = "sweepwright-clean.timer";
    static constexpr const char *kService = "sweepwright-clean.service";

    // CONFIG_HOME/systemd/user, where the user's own units live.
    static QString folder();

    static QByteArray timerText(ScheduleFrequency frequency);
    // Nothing when program cannot stand in a unit file.
    static std::optional<QByteArray> serviceText(const QString &program);
    // The frequency a timer's text names; Never when it names none of ours.
    static ScheduleFrequency frequencyOf(const QByteArray &timerText);

    // "daily", "weekly", "monthly", "never": the words of the command line
    // and the JSON, and OnCalendar's.
    static QString word(ScheduleFrequency frequency);
};

}  // namespace sw
