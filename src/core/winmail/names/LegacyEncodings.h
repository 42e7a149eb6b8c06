// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// The encodings names were stored in before UTF-8, by the language of the
// user who made them: for names that several encodings read without error,
// those of the user's own language come first.
class LegacyEncodings
{
public:
    // ICU converter names, most likely first; the western list for a
    // language without a row of its own (and for "c").
    static QStringList forLanguage(const QString &language);
    // The DOS (OEM) code pages Windows gives the language, which its zip
    // tools store names in: cp866 for Russian, cp437 and cp850 for the
    // western languages.
    static QStringList oemForLanguage(const QString &language);
};

} // namespace sw
