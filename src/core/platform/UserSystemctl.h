// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// The user's own systemd manager, through `systemctl --user` found on PATH.
// Every call is an argument vector run with a time-out, so a manager that
// hangs costs seconds, not the program.
class UserSystemctl
{
public:
    // Why no user manager can be reached here (systemctl missing, or
    // `systemctl --user is-system-running` failing without naming a state of
    // a running manager), translated; empty when one can. A "degraded"
    // manager (one unit failed somewhere) still runs timers, so it counts.
    static QString unavailableReason();

    // Runs `systemctl --user args`; nothing when it succeeded, else what it
    // said (or why it could not run).
    static std::optional<QString> run(const QStringList &args);

    // Whether `systemctl --user is-enabled unit` says it is enabled.
    static bool isEnabled(const QString &unit);

private:
    struct Outcome
    {
        bool started = false;
        int code = -1;
        QString output;  // standard output and error, trimmed
    };
    static Outcome call(const QStringList &args, int msecs);
};

}  // namespace sw
