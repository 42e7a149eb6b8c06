// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

#include <QList>
#include <QString>

namespace sw {

class JobControl;

// The Flatpak applications of every installation: the user's
// (HOME/.local/share/flatpak), the system's (ROOT/var/lib/flatpak) and those
// named in ROOT/etc/flatpak/installations.d. An application is a deployed
// folder INSTALLATION/app/ID with a current deployment; its name comes from
// the desktop entry it exports, its identifier is ID. Nothing is ever
// deleted here: flatpak itself uninstalls (see PackageCommands).
class FlatpakAppSource
{
public:
    struct Installation
    {
        QString path;
        QString option;  // how flatpak is told of it: --user, --system, --installation=NAME
    };

    static QList<Installation> installations();
    static InstalledApps find(JobControl &job);
};

}  // namespace sw
