#pragma once

#include <QList>
#include <QString>

namespace sw {

// One installed application as a source finds it: what its leftovers are
// looked for by, and its bundle item (what removing the application itself
// takes).
struct InstalledApp
{
    enum class Kind {
        Bundle,    // a folder or file removed through the removal core
        Flatpak,   // removed by `flatpak uninstall`, never deleted
        Debian,    // removed by `apt-get remove`, never deleted
    };

    Kind kind = Kind::Bundle;
    QString groupName;   // what the user sees
    QString name;        // N: looked for in the leftover folders (may be empty)
    QString identifier;  // B: bundle identifier, desktop-file id, Flatpak id or package name
    QString execName;    // E: file name of the program (freedesktop only)
    QString bundlePath;  // the bundle item's path
    QString bundleRoot;  // the folder it was found in (a bundle's removal anchor)
    // Flatpak: the flatpak option naming its installation (--user, --system,
    // --installation=NAME); Debian: unused.
    QString installation;
    qint64 packageSize = -1;  // Debian: Installed-Size in bytes; -1 to measure the bundle
};
using InstalledApps = QList<InstalledApp>;

// How an item of the scan result is to be removed.
struct AppItemOrigin
{
    InstalledApp::Kind kind = InstalledApp::Kind::Bundle;
    QString root;          // Bundle: the folder it was found in
    QString identifier;    // Flatpak id or package name
    QString installation;  // Flatpak
};

}  // namespace sw
