// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace sw {

// What a package's file list tells the uninstaller, whoever gave the list
// (dpkg's info/NAME.list, PackageKit's Files): its desktop entries, the
// share folders it ships into, and, for a package with an entry, every
// path, so that its program can be looked for.
struct PackageFiles
{
    QStringList desktopEntries;  // /usr/share/applications/NAME.desktop, as listed
    QSet<QString> paths;         // every path listed, kept for packages with an entry only
    QSet<QString> shareNames;    // NAME of every /usr/share/NAME it ships into

    // Absolute paths only; a path that steps up ("/..") is left out.
    static PackageFiles of(const QStringList &listed);

    // True when the list holds the program a desktop entry runs: that
    // absolute path, or a bare name in one of the program folders.
    bool shipsProgram(const QString &program) const;
};

}  // namespace sw
