#pragma once

#include "core/uninst/InstalledApp.h"

#include <optional>

namespace sw {

class JobControl;

// System packages that ship an application, as PackageKit knows them, on
// any distribution it serves. The desktop entries of
// ROOT/usr/share/applications are looked up in one SearchFiles (the
// installed packages owning them); GetFiles gives each owner's file list,
// from which PackagedApp makes the application exactly as for dpkg's
// database; GetDetails its installed size and summary; DependsOn, one per
// application, what it needs, whose file lists (one GetFiles) name the data
// folders it shares. A handful of transactions, and one more per
// application: PackageKit answers each from its package manager's cache.
//
// PackageKit reports no priority, so no package is held back as the dpkg
// database's essential ones are; its own removal refuses those.
class PackageKitAppSource
{
public:
    // nullopt when PackageKit could not be asked or did not answer (there is
    // none, it failed, it fell silent): the caller reads dpkg's database
    // instead. A cancelled job gives what was found so far: nothing.
    static std::optional<InstalledApps> find(JobControl &job);
};

}  // namespace sw
