// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/ScheduleUnits.h"

#include <QString>

#include <optional>

namespace sw {

// Cleaning on a schedule: the user's systemd manager runs the command
// line's junk cleaning with the scheduled profile (ScheduledProfile) at the
// chosen frequency. The units in the user's folder are the one record of
// the choice: what the timer names is the frequency, and "never" means no
// units at all.
class CleanSchedule
{
public:
    // The frequency the timer names; Never without one.
    static ScheduleFrequency frequency();
    // Whether the user's manager has the timer enabled.
    static bool isEnabled();

    // The command-line program the service runs: sweepwright-cli installed
    // beside the running program (the running program itself when it is
    // that one), or what SWEEPWRIGHT_CLI names.
    static QString program();

    // Why the schedule cannot be changed here, translated: no user manager,
    // or no command-line program to run. Empty when it can.
    static QString unavailableReason();

    // Writes both units and enables the timer (daemon-reload, enable --now),
    // or for Never disables it and removes both. Nothing when done, else
    // what failed; a timer that could not be enabled is taken away again,
    // so what the folder holds stays what runs.
    static std::optional<QString> apply(ScheduleFrequency frequency);

private:
    static std::optional<QString> install(ScheduleFrequency frequency);
    static std::optional<QString> uninstall(bool reachable);
};

}  // namespace sw
