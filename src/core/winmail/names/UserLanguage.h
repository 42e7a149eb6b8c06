// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// The language the user reads, as the programs see it: the first of
// LANGUAGE (a list: its first entry), LC_ALL, LC_MESSAGES and LANG that is
// set, else the system locale Qt reports. Read anew at each call, so a test
// (or a caller) sets the environment and asks.
class UserLanguage
{
public:
    // The lower-case language code ("ru", "ja", "zh"); "c" for the C and
    // POSIX locales.
    static QString current();
    // The language code of a locale name: "ru_RU.KOI8-R" -> "ru",
    // "sr@latin" -> "sr", "pt_BR:pt" -> "pt", "POSIX" -> "c".
    static QString ofLocaleName(const QString &localeName);
};

} // namespace sw
