// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/JunkCandidate.h"

namespace sw {

// Where each junk category looks in the macos layout: the folders of a Mac
// home and system, below the layout's home and root. Every folder listed is
// a category root and passes the checks of CategoryRoots first.
class MacJunkLocations
{
public:
    // The application junk: the four below, in order.
    static JunkCandidates appJunk(CategoryRoots &roots);
    static JunkCandidates scanLibaryCache(CategoryRoots &roots);
    static JunkCandidates scanContainerCache(CategoryRoots &roots);
    static JunkCandidates scanAppLog(CategoryRoots &roots);
    static JunkCandidates scanTempCache(CategoryRoots &roots);
    static JunkCandidates leftovers(CategoryRoots &roots);
    static JunkCandidates sysCaches(CategoryRoots &roots);
    static JunkCandidates sysLogs(CategoryRoots &roots);
    static JunkCandidates mailJunk(CategoryRoots &roots);
    static JunkCandidates itunesJunk(CategoryRoots &roots);
    static JunkCandidates iosBackups(CategoryRoots &roots);
    static JunkCandidates iosUpdates(CategoryRoots &roots);
    static JunkCandidates trash(CategoryRoots &roots);
    static JunkCandidates downloads(CategoryRoots &roots);
    static JunkCandidates xcode(CategoryRoots &roots);
    static JunkCandidates browser(CategoryRoots &roots);

    // The per-user cache folder "C": beside the per-user temporary folder
    // "T" in ROOT/var/folders/XX/YYYY/, the one of those owned by the user.
    static QString perUserCacheFolder();
    // Identifiers of the applications installed in ROOT/Applications and HOME/Applications.
    static QStringList installedBundleIdentifiers();
    // The leftover rule: true when a name in a leftover folder belongs to the
    // system or to an installed application and must be left alone.
    static bool isLeftoverSkipped(const QString &name, const QStringList &appleAppNames,
                                  const QStringList &installedIds);
};

}  // namespace sw
