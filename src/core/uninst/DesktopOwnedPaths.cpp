// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/uninst/DesktopOwnedPaths.h"

#include "core/platform/ORLayout.h"
#include "core/uninst/XdgStateHome.h"

#include <QDir>

namespace sw {

namespace {

enum class Base { Data, Config, Cache, State, Home };

struct Row
{
    Base base;
    const char *name;
};

// Data: the trash, desktop-entry, menu, icon-theme, shared-MIME and
// recent-file specifications, Flatpak's user installation, the keyring.
// Config: autostart, user-dirs, the MIME associations, the menus and the
// session's services (systemd, D-Bus portals, sound) and the toolkits'
// shared settings. Cache: what the font and thumbnail specifications and
// the graphics drivers keep. Home: the base folders' own parents, the
// shell's and the X session's files, the user's keys.
constexpr Row kRows[] = {
    {Base::Data, "Trash"}, {Base::Data, "applications"}, {Base::Data, "icons"}, {Base::Data, "mime"},
    {Base::Data, "fonts"}, {Base::Data, "flatpak"}, {Base::Data, "keyrings"}, {Base::Data, "recently-used.xbel"},
    {Base::Data, "desktop-directories"}, {Base::Data, "themes"}, {Base::Data, "sounds"}, {Base::Data, "backgrounds"},
    {Base::Data, "dbus-1"}, {Base::Data, "systemd"}, {Base::Data, "gvfs-metadata"}, {Base::Data, "xorg"},
    {Base::Data, "icc"},
    {Base::Config, "autostart"}, {Base::Config, "systemd"}, {Base::Config, "user-dirs.dirs"},
    {Base::Config, "user-dirs.locale"}, {Base::Config, "mimeapps.list"}, {Base::Config, "menus"},
    {Base::Config, "gtk-2.0"}, {Base::Config, "gtk-3.0"}, {Base::Config, "gtk-4.0"}, {Base::Config, "dconf"},
    {Base::Config, "pulse"}, {Base::Config, "pipewire"}, {Base::Config, "wireplumber"},
    {Base::Config, "fontconfig"}, {Base::Config, "environment.d"}, {Base::Config, "xdg-desktop-portal"},
    {Base::Config, "kdeglobals"}, {Base::Config, "QtProject"}, {Base::Config, "QtProject.conf"},
    {Base::Config, "monitors.xml"}, {Base::Config, "ibus"}, {Base::Config, "flatpak"},
    {Base::Cache, "fontconfig"}, {Base::Cache, "thumbnails"}, {Base::Cache, "mesa_shader_cache"},
    {Base::Cache, "flatpak"}, {Base::Cache, "ibus"},
    {Base::State, "wireplumber"}, {Base::State, "flatpak"},
    {Base::Home, ".local"}, {Base::Home, ".config"}, {Base::Home, ".cache"}, {Base::Home, ".var"},
    {Base::Home, ".Trash"}, {Base::Home, ".icons"}, {Base::Home, ".fonts"}, {Base::Home, ".themes"},
    {Base::Home, ".ssh"}, {Base::Home, ".gnupg"}, {Base::Home, ".pki"}, {Base::Home, ".dbus"},
    {Base::Home, ".Xauthority"}, {Base::Home, ".ICEauthority"}, {Base::Home, ".Xresources"},
    {Base::Home, ".xinitrc"}, {Base::Home, ".xsession"}, {Base::Home, ".xsessionrc"}, {Base::Home, ".dmrc"},
    {Base::Home, ".gtkrc-2.0"}, {Base::Home, ".profile"}, {Base::Home, ".bashrc"}, {Base::Home, ".bash_profile"},
    {Base::Home, ".bash_logout"}, {Base::Home, ".bash_history"}, {Base::Home, ".face"},
};

QString folderOf(Base base)
{
    switch (base) {
    case Base::Data:
        return ORLayout::dataHome();
    case Base::Config:
        return ORLayout::configHome();
    case Base::Cache:
        return ORLayout::cacheHome();
    case Base::State:
        return xdgStateHome();
    case Base::Home:
        return ORLayout::home();
    }
    return {};
}

}  // namespace

DesktopOwnedPaths::DesktopOwnedPaths()
{
    for (const Row &row : kRows)
        m_paths.insert(QDir::cleanPath(folderOf(row.base) + QLatin1Char('/') + QLatin1String(row.name)).toLower());
}

bool DesktopOwnedPaths::contains(const QString &cleanPath) const
{
    return m_paths.contains(cleanPath.toLower());
}

}  // namespace sw
