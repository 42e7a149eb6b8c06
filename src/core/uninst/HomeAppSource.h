// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

namespace sw {

class JobControl;

// Applications unpacked into the home: desktop entries of
// XDG_DATA_HOME/applications whose program lies in HOME/.local/opt, HOME/opt
// or HOME/Applications, in a folder of its own. The bundle item is that
// folder: the one holding the program, or the one above its bin (or usr/bin)
// folder, never higher. A folder above may be a vendor's holding several
// applications (HOME/opt/vendor/{a,b}) or hold what the user put beside
// them. Entries whose programs share one folder are one application, named
// after the first; a folder that holds another application's folder is no
// one's bundle, and a program lying directly in one of the places has none.
class HomeAppSource
{
public:
    static InstalledApps find(JobControl &job);
};

}  // namespace sw
