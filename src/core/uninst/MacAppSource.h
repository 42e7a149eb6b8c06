// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/InstalledApp.h"

#include <QString>

namespace sw {

class JobControl;

// The application bundles of the macos layout: every entry named *.app (any
// case) below the Applications folder, at any depth; a bundle is never
// entered, so an application inside another is not listed apart. Apple's own
// applications (an identifier containing "com.apple") are left out, except
// the six the user may remove.
class MacAppSource
{
public:
    // Below folder (ROOT/Applications when empty), in listing order.
    static InstalledApps find(JobControl &job, const QString &folder = QString());
    // The record of one bundle: N from CFBundleName, else CFBundleExecutable.
    static InstalledApp appOf(const QString &bundlePath);
    static bool isHiddenSystemApp(const QString &bundleName, const QString &identifier);
};

}  // namespace sw
