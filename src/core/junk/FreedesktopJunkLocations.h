#pragma once

#include "JunkCandidate.h"

namespace sw {

// Where each junk category looks in the freedesktop layout: the XDG base and
// user folders, the freedesktop Trash, /var/cache, /var/log, Flatpak
// application data and browser profiles.
class FreedesktopJunkLocations
{
public:
    static JunkCandidates appJunk();
    static JunkCandidates leftovers();
    static JunkCandidates sysCaches();
    static JunkCandidates sysLogs();
    static JunkCandidates mailJunk();
    static JunkCandidates trash();
    static JunkCandidates downloads();
    static JunkCandidates developerCaches();
    static JunkCandidates browser();

    // A desktop entry whose program no longer exists (looked up below the
    // layout's root, on PATH when it is not absolute).
    static bool isOrphanDesktopEntry(const QString &desktopFile);
    static bool isInstalledFlatpak(const QString &appId);
    // The Trash's info file for an item of Trash/files.
    static QString trashInfoPath(const QString &trashedItem);
};

}  // namespace sw
