// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORAppData.h"

#include <QString>

namespace sw {

// What kind of leftover a path of the layout is, by the folder it lies in
// (the deepest folder of the table that holds it):
//   freedesktop: XDG_CACHE_HOME caches; XDG_CONFIG_HOME and XDG_STATE_HOME
//     settings, and the menu entries in XDG_DATA_HOME/applications (an
//     application's launchers, which are no use without it); the rest of
//     XDG_DATA_HOME and the home's own dot folders (HOME/.thunderbird) the
//     user's data; inside a Flatpak's HOME/.var/app/ID, its cache, config and
//     .local (state) folders, and everything else its data;
//   macos: Library/Caches and the crash reports caches, Preferences and
//     Saved Application State settings, Application Support and Containers
//     the user's data.
// What no row places is the user's data: what cannot be told is kept.
class LeftoverKinds
{
public:
    static AppItemKind kindOf(const QString &path);

private:
    static AppItemKind sandboxKind(const QString &entry);
};

}  // namespace sw
