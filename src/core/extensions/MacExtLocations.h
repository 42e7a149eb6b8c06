// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/extensions/ORExtCategory.h"

namespace sw::ext {

// Where the extension categories look in the macos layout: the add-on
// bundles of five system folders, with the filters that keep the system's
// own bundles out of the first two.
class MacExtLocations
{
public:
    static Candidates kernelExtensions(CategoryRoots &roots);
    static Candidates preferencePanes(CategoryRoots &roots);
    static Candidates internetPlugIns(CategoryRoots &roots);
    static Candidates quickLookPlugIns(CategoryRoots &roots);
    static Candidates spotlightPlugIns(CategoryRoots &roots);
};

}  // namespace sw::ext
