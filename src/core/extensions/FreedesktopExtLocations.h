// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/extensions/ORExtCategory.h"

namespace sw::ext {

// Where the extension categories look in the freedesktop layout: add-ons the
// user installed in the home (browser profiles, the desktop shell's data
// folders). Names come from each add-on's own metadata; an add-on whose
// metadata is missing or unreadable is named by its file or folder.
class FreedesktopExtLocations
{
public:
    // Firefox profiles' extensions and Chromium and Chrome profiles' Extensions/ID folders.
    static Candidates browserExtensions(CategoryRoots &roots);
    // GNOME Shell extensions, Plasma widgets, Cinnamon applets, desklets and extensions.
    static Candidates desktopExtensions(CategoryRoots &roots);
    // Shared libraries in the home's Mozilla plug-in folder, at any depth.
    static Candidates browserPlugIns(CategoryRoots &roots);
    static Candidates thumbnailers(CategoryRoots &roots);
    // GNOME Shell search providers and KRunner D-Bus plug-ins.
    static Candidates searchProviders(CategoryRoots &roots);
};

}  // namespace sw::ext
