// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/junk/JunkCandidate.h"

namespace sw {

// Where each junk category looks in the freedesktop layout: the XDG base and
// user folders, the freedesktop Trash, /var/cache, /var/log, Flatpak
// application data and browser profiles. Every folder listed is a category
// root and passes the checks of CategoryRoots first.
class FreedesktopJunkLocations
{
public:
    static JunkCandidates appJunk(CategoryRoots &roots);
    static JunkCandidates leftovers(CategoryRoots &roots);
    static JunkCandidates sysCaches(CategoryRoots &roots);
    static JunkCandidates sysLogs(CategoryRoots &roots);
    static JunkCandidates mailJunk(CategoryRoots &roots);
    static JunkCandidates trash(CategoryRoots &roots);
    static JunkCandidates downloads(CategoryRoots &roots);
    static JunkCandidates developerCaches(CategoryRoots &roots);
    static JunkCandidates browser(CategoryRoots &roots);

    // A desktop entry whose program no longer exists (looked up below the
    // layout's root, on PATH when it is not absolute).
    static bool isOrphanDesktopEntry(const QString &desktopFile);
    // The Flatpak installations: the user's, the system's, and those named
    // in ROOT/etc/flatpak/installations.d (Path= of each *.conf).
    static QStringList flatpakInstallations();
    static bool isInstalledFlatpak(const QString &appId);
    // The Trash's info file for an item of Trash/files.
    static QString trashInfoPath(const QString &trashedItem);
};

}  // namespace sw
