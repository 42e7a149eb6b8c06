// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"

#include <QHash>
#include <QString>

#include <optional>

namespace sw::ext {

// What a browser profile's own files say about its add-ons: their names and
// whether each is on. Read through the profile folder's anchored root, with
// ExtFiles' size caps; a file that is missing, too big or not what it should
// be tells nothing (names empty, states unknown).
class BrowserProfileFiles
{
public:
    struct Addon
    {
        QString name;
        std::optional<bool> enabled;
    };

    // Firefox: PROFILE/extensions.json, by add-on id and by path. "active"
    // says whether it runs; without it, "userDisabled" whether the user
    // switched it off.
    static QHash<QString, Addon> firefoxAddons(const AnchoredRoot &profile);
    // Chromium and Chrome: extensions.settings of PROFILE/Preferences, with
    // what PROFILE/Secure Preferences holds for the same add-on over it, by
    // extension id: on unless "disable_reasons" names a reason or an older
    // "state" is not 1.
    static QHash<QString, bool> chromiumStates(const AnchoredRoot &profile);
    // The name a Firefox profile folder stands for: "default-release" of
    // "x1y2z3.default-release".
    static QString firefoxProfileName(const QString &folderName);
};

}  // namespace sw::ext
