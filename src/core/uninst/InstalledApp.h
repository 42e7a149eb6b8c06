// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"

#include <QList>
#include <QString>
#include <QStringList>

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
        Package,   // a system package removed through PackageKit, never deleted
    };
    // Where it was found; shown beside its name where names are not enough.
    using Source = AppSource;

    Kind kind = Kind::Bundle;
    Source source = Source::MacBundle;
    QString groupName;   // what the user sees: Name= in the user's language
    QString name;        // N: looked for in the leftover folders (may be empty)
    QString identifier;  // B: bundle identifier, desktop-file id, Flatpak id or package name
    QString desktopId;   // freedesktop: the id of the desktop entry it was found by
    QString execName;    // E: file name of the program (freedesktop only)
    QString icon;        // Icon= of its desktop entry: a theme name or a file
    // E is the application's own file (in its package, its folder, or the
    // AppImage itself), not a program it borrows.
    bool ownsProgram = false;
    // Freedesktop: the file names of every program its desktop entries run,
    // launchers included, and the names of the data folders it shares with
    // others (a package's /usr/share/NAME and those of what it depends on).
    // What another application reaches by them is never proposed as its.
    QStringList programs;
    QStringList dataNames;
    // False for an application the menu hides (a package whose entries are
    // all NoDisplay or Hidden, or one never offered for removal): not
    // listed, but what it reaches is no other application's leftover.
    bool shown = true;
    QString bundlePath;  // the bundle item's path
    QString bundleRoot;  // the folder it was found in (a bundle's removal anchor)
    // Flatpak: the flatpak option naming its installation (--user, --system,
    // --installation=NAME); Debian: unused.
    QString installation;
    qint64 packageSize = -1;  // Debian, Package: installed size in bytes; -1 to measure the bundle
    // Package: PackageKit's id of the package ("name;version;arch;data") and
    // its one-line summary.
    QString packageId;
    QString summary;
};
using InstalledApps = QList<InstalledApp>;

// The source as the user reads it ("Flatpak", "Debian package", ...).
QString sourceName(InstalledApp::Source source);

// How an item of the scan result is to be removed.
struct AppItemOrigin
{
    InstalledApp::Kind kind = InstalledApp::Kind::Bundle;
    QString root;          // Bundle: the folder it was found in
    QString identifier;    // Flatpak id or package name
    QString installation;  // Flatpak
    QString packageId;     // Package
};

}  // namespace sw
