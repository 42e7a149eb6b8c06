// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

#include <optional>

namespace sw {

class JobControl;

// System packages that ship an application, as PackageKit knows them, on
// any distribution it serves. The owners of the desktop entries of
// ROOT/usr/share/applications come from SearchFiles; GetFiles gives each
// owner's file list, from which PackagedApp makes the application exactly
// as for dpkg's database; GetDetails its installed size and summary;
// DependsOn what they all need, and GetFiles the data folders of that.
// Which application reaches a data folder named like one of them is asked
// with RequiredBy of the package shipping it. A handful of transactions and
// one per such package, whatever the number of applications: PackageKit
// takes about as long for one package as for all.
//
// PackageKit reports no priority, so no package is held back as the dpkg
// database's essential ones are; the package manager's removal refuses
// what it protects.
class PackageKitAppSource
{
public:
    // nullopt when PackageKit could not be asked or did not answer (there is
    // none, it failed, it fell silent): the caller reads dpkg's database
    // instead. A cancelled job gives what was found so far: nothing.
    static std::optional<InstalledApps> find(JobControl &job);
};

}  // namespace sw
