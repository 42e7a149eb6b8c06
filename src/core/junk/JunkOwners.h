// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Who a junk item belongs to, named from the folder it was listed in: the
// application whose cache folder holds it, or the browser and profile. The
// names come from the programs' own files (a Flatpak's desktop entry,
// Firefox's profiles.ini, Chromium's "Local State"), each read with a size
// limit; a file that is missing, too large or not understood leaves the
// folder's own name.
class JunkOwners
{
public:
    // "Discord" for com.discordapp.Discord: Name= of the entry the Flatpak
    // exports, else the identifier's last part.
    static QString flatpakApp(const QString &appId);
    // "Firefox (default-release)" for the profile folder "x1y2.default-release".
    static QString firefoxProfile(const QString &profileFolder);
    // "Google Chrome (Work)" for browserFolder ~/.config/google-chrome and
    // profile "Default": the name the browser shows for the profile.
    static QString chromiumProfile(const QString &browserName, const QString &browserFolder,
                                   const QString &profile);
};

}  // namespace sw
