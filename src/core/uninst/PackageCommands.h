// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// Removes an installed package by its own package manager, never by
// deleting its files: `flatpak uninstall --noninteractive` for a Flatpak
// application (the program $SWEEPWRIGHT_FLATPAK names, else flatpak on PATH)
// and `apt-get remove --yes` for a Debian package (the program
// $SWEEPWRIGHT_APT_GET names, else apt-get), the latter only after
// `apt-get --simulate remove` showed that nothing else would go. What needs
// administrator rights runs through pkexec (STPrivilegedTask): a system
// installation's uninstall and every apt-get removal.
//
// Blocks until the command ends: never call it on the GUI thread.
class PackageCommands
{
public:
    struct Outcome
    {
        enum class Kind {
            Removed,
            Failed,     // reason says why; nothing is to be counted
            Cancelled,  // the user dismissed the password dialog, or stopped the run
        };
        Kind kind = Kind::Failed;
        QString reason;
    };

    // installation: --user, --system or --installation=NAME.
    static Outcome uninstallFlatpak(const QString &id, const QString &installation);
    static Outcome removeDebian(const QString &package);

    // The packages a simulated removal would remove ("Remv" lines of
    // apt-get's output), without architecture, in order.
    static QStringList removals(const QByteArray &simulation);
    // The failure a simulated removal by manager calls for: the package
    // itself not among what would go, or others with it.
    static std::optional<Outcome> refusal(bool removesIt, const QStringList &others, const QString &manager);
};

}  // namespace sw
