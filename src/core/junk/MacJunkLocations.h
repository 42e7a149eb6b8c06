#pragma once

#include "JunkCandidate.h"

namespace sw {

// Where each junk category looks in the macos layout: the folders of a Mac
// home and system, below the layout's home and root.
class MacJunkLocations
{
public:
    static JunkCandidates scanLibaryCache();
    static JunkCandidates scanContainerCache();
    static JunkCandidates scanAppLog();
    static JunkCandidates scanTempCache();
    static JunkCandidates leftovers();
    static JunkCandidates sysCaches();
    static JunkCandidates sysLogs();
    static JunkCandidates mailJunk();
    static JunkCandidates itunesJunk();
    static JunkCandidates iosBackups();
    static JunkCandidates iosUpdates();
    static JunkCandidates trash();
    static JunkCandidates downloads();
    static JunkCandidates xcode();
    static JunkCandidates browser();

    // Identifiers of the applications installed in ROOT/Applications and HOME/Applications.
    static QStringList installedBundleIdentifiers();
    // The leftover rule: true when a name in a leftover folder belongs to the
    // system or to an installed application and must be left alone.
    static bool isLeftoverSkipped(const QString &name, const QStringList &appleAppNames,
                                  const QStringList &installedIds);
};

}  // namespace sw
