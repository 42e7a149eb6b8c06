#pragma once

#include "InstalledApp.h"

namespace sw {

class JobControl;

// Applications unpacked into the home: desktop entries of
// XDG_DATA_HOME/applications whose program lies in HOME/.local/opt, HOME/opt
// or HOME/Applications. The bundle item is the folder directly inside one of
// those that holds the program; a program lying directly in one of them has
// no such folder and is no home application.
class HomeAppSource
{
public:
    static InstalledApps find(JobControl &job);
};

}  // namespace sw
