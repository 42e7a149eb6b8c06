// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace sw {

// How much a decoded name looks like text someone typed, to tell the right
// one of several encodings that all decode it without error: a name read in
// the wrong 8-bit code page shows box-drawing characters, symbols, control
// codes, or letters of another script or case in the middle of a word
// ("CafΘ" for cp437, "RÚsumÚ" for cp850, "ЋвзҐв" for windows-1251, each
// of them "Café", "Résumé", "Отчет" in another code page). Equal counts
// say nothing: the caller decides those otherwise.
class NamePlausibility
{
public:
    // The number of characters of name that a person would hardly type:
    //  - controls, format characters, private-use and unassigned code
    //    points, symbols (math, currency, modifier, other), numbers other
    //    than digits, separators other than the space and the ideographic
    //    space, the half-width Japanese punctuation;
    //  - a letter right after another letter of the same word when their
    //    scripts differ (Han, kana and Hangul mix freely), or when it is
    //    upper case after a lower-case one.
    static int implausibleCharacters(QStringView name);
};

} // namespace sw
