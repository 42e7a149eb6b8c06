// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/PackageCommands.h"

#include <QString>

namespace sw {

class JobControl;

// Removes a system package through PackageKit, by the rule the apt-get way
// follows (PackageCommands): a simulated removal first, which may take
// whatever the package needs along and so shows what else would go; the
// removal itself only when nothing else would, and then with nothing
// allowed to go along, so a system that changed in between makes it fail
// rather than take more. PackageKit asks for the password itself (its own
// polkit action, one prompt); a dismissed prompt is Cancelled.
//
// Blocks until PackageKit is done: never call it on the GUI thread.
class PackageKitRemoval
{
public:
    // packageId: PackageKit's id of an installed package. The job stops the
    // run between the simulation and the removal, never during the removal.
    static PackageCommands::Outcome remove(const QString &packageId, const JobControl &job);
    // Whether the package is installed now; true when PackageKit cannot say.
    static bool isInstalled(const QString &packageId);
};

}  // namespace sw
