// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

namespace sw {

class JobControl;

// AppImages: files named *.AppImage (any case) in HOME/Applications,
// HOME/AppImages and HOME/.local/bin. The name is that of the desktop entry
// that runs the file, else the file name without its extension; the bundle
// item is the file.
class AppImageSource
{
public:
    static InstalledApps find(JobControl &job);
};

}  // namespace sw
