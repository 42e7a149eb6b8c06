// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

namespace sw {

class JobControl;

// Debian packages that ship an application: installed packages of the dpkg
// database (DpkgDatabase) whose file list holds a desktop entry of Type
// Application in /usr/share/applications. A package is offered when one of
// its entries is shown (neither NoDisplay nor Hidden) and it is neither
// Essential nor of priority required or important; the others come back
// with `shown` false. The bundle item stands for the package:
// its path is the desktop entry, its size the package's Installed-Size;
// apt-get removes it (see PackageCommands, PackagedApp). The program counts as the
// package's own only when its file is in the package's list; the data
// folders of the package and of what it needs are what it shares.
class DpkgAppSource
{
public:
    static InstalledApps find(JobControl &job);
};

}  // namespace sw
