// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/DesktopOwnedPaths.h"
#include "core/uninst/InstalledApp.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace sw {

// The places an application leaves things behind, as candidate paths in the
// order they are tried; the folder holding each is its removal anchor.
// Nothing here touches the disk beyond listing a crash-report folder:
// whether a candidate exists and what it measures is the caller's business.
//
// macos: caches, support files, saved state and container, preferences under
// HOME/Library and ROOT/Library, by the name N and the identifier B.
//
// freedesktop: the XDG base folders by N, B and the program's file name E,
// HOME/.E, the autostart and menu entries B.desktop and the NAMErc settings
// files; for a Flatpak only HOME/.var/app/ID and its entries ID.desktop,
// since its sandbox keeps it out of the rest of the home. A candidate is
// proposed only when it is the application's alone, judged against every
// installed application of the scan:
//   - E counts only when it names the application's own program: not a
//     launcher or interpreter (LauncherPrograms), not a program another
//     application's entry runs, and not a program its package borrows;
//   - no other application reaches the same path by its names, identifiers,
//     the programs its entries run, or the data folders it shares with its
//     packaged dependencies (a terminal and a drop-down terminal built on the
//     same part, a suite's applications on one core);
//   - the desktop's own folders (DesktopOwnedPaths) are never proposed.
//
// A name that could step out of its folder ("", ".", "..", anything with a
// slash) gives no candidate, and no candidate is ever an installation, the
// home, or one of the user's folders, holds one of them or an XDG base
// folder, or lies inside an installation or a user folder.
class LeftoverFinder
{
public:
    // apps: every installed application of the scan.
    LeftoverFinder(const InstalledApps &apps, QStringList installations);

    // app is one of those given (the same bundle path).
    QStringList caches(const InstalledApp &app) const;
    QStringList support(const InstalledApp &app) const;
    QStringList preferences(const InstalledApp &app) const;

    static bool isPlainName(const QString &name);
    bool isForbidden(const QString &path) const;

private:
    enum class Step { Caches, Support, Preferences };
    // The names one application's candidates are made of, by where they go.
    struct Names
    {
        QStringList bases;   // XDG_{CACHE,CONFIG,DATA,STATE}_HOME/NAME
        QStringList dots;    // HOME/.NAME
        QStringList rc;      // XDG_CONFIG_HOME/NAMErc
        QStringList ids;     // the autostart and menu entries ID.desktop
        QStringList varApp;  // HOME/.var/app/ID
    };

    QStringList macCandidates(Step step, const InstalledApp &app) const;
    static QStringList candidates(Step step, const Names &names);
    static QStringList allCandidates(const Names &names);
    Names proposed(qsizetype index) const;
    Names reached(qsizetype index) const;
    bool isOwnProgram(qsizetype index) const;
    void judgeOwnership();
    QStringList keep(QStringList candidates, qsizetype owner) const;
    QStringList freedesktop(Step step, const InstalledApp &app) const;

    InstalledApps m_apps;
    QHash<QString, qsizetype> m_indexByBundle;
    QHash<QString, QList<qsizetype>> m_programUsers;  // program file name -> applications running it
    QHash<QString, QList<qsizetype>> m_reachers;      // proposed path -> applications reaching it
    DesktopOwnedPaths m_desktopOwned;
    QStringList m_installations;
    QStringList m_userFolders;  // the home first
    QStringList m_baseFolders;  // the XDG base folders: never held by a leftover
};

}  // namespace sw
