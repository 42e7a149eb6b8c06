// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// The desktop's own tools behind the toolbox's system tiles: what shows the
// machine's details, what manages disks, what manages the shell's extensions.
//
// freedesktop layout: each tool is a short list of desktop-file ids in order
// of preference; the first one installed wins. An id is looked up in
// DATA_HOME/applications, then in each XDG_DATA_DIRS folder below ROOT, and
// the first file found decides: a Hidden entry there hides the id, as the
// menus do. An entry counts as installed when it loads, is an Application,
// is not Hidden, and its program (TryExec, else Exec's) is an executable
// file, by absolute path or on PATH.
//
// macos layout: the bundles below ROOT/Applications/Utilities count when they
// exist; the extensions tool has no bundle there.
//
// Finding costs a few stat calls per id, cheap enough for the main thread.
class SystemTools
{
public:
    enum class Tool { SystemInformation, DiskUtility, Extensions };

    struct Found
    {
        QString id;             // desktop-file id, or the bundle's file name
        QString path;           // the desktop file, or the bundle
        QString name;           // Name of the entry; the bundle's base name
        QString icon;           // Icon of the entry: a theme name or an absolute file
        QStringList command;    // program and arguments; empty for a bundle
        QString workingFolder;  // Path of the entry, may be empty
    };

    // The ids a tool is looked for under, in order (freedesktop layout).
    static QStringList candidateIds(Tool tool);
    // The installed tool of the current layout, or nullopt.
    static std::optional<Found> find(Tool tool);
    // Starts found.command detached, with no shell. Returns an empty string
    // on success, else a sentence saying what could not be started.
    static QString launch(const Found &found);

    // Where desktop files of an id are looked for, most important first.
    static QStringList applicationFolders();
    // found by id in those folders, judged as above.
    static std::optional<Found> findDesktopEntry(const QString &id, const QStringList &extraArguments = {});
};

}  // namespace sw
