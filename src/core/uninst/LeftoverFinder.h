#pragma once

#include "InstalledApp.h"

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
// freedesktop: the XDG base folders by N, B and the program's file name E,
// HOME/.E, HOME/.var/app/B, the autostart and menu entries B.desktop and the NAMErc
// settings files. E is never used for Flatpak applications, whose
// program is flatpak itself.
//
// A name that could step out of its folder ("", ".", "..", anything with a
// slash) gives no candidate, and no candidate is ever an installation, the
// home, or one of the user's folders, holds one of them or an XDG base
// folder, or lies inside an installation or a user folder.
class LeftoverFinder
{
public:
    explicit LeftoverFinder(QStringList installations);

    QStringList caches(const InstalledApp &app) const;
    QStringList support(const InstalledApp &app) const;
    QStringList preferences(const InstalledApp &app) const;

    static bool isPlainName(const QString &name);
    bool isForbidden(const QString &path) const;

private:
    QStringList keep(QStringList candidates) const;

    QStringList m_installations;
    QStringList m_userFolders;  // the home first
    QStringList m_baseFolders;  // the XDG base folders: never held by a leftover
};

}  // namespace sw
