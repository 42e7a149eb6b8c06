// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sw {

// The program's translations, installed once on the application object:
// the English plural forms ("1 item", "2 items" from the one source text
// "%n item(s)"), then the user's language where a translation of ours
// exists, then Qt's own texts in that language. Later translators are asked
// first, so a language's own plural forms win over the English ones.
class Translations
{
public:
    // Main thread, after the application object exists; a second call does nothing.
    static void install();
};

}  // namespace sw
