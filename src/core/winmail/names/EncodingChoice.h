// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/names/UserLanguage.h"

#include <QString>
#include <QtGlobal>

class XADString;

namespace sw {

// The encoding an archive's names are decoded with when they are not UTF-8
// (names that are valid or flagged UTF-8 never get here).
//
// An encoding the user chose ("filenameEncoding", --encoding) is used when
// it decodes every name. Otherwise, of the encodings that decode every name
// without error (the user's language's legacy ones, see LegacyEncodings,
// and the detector's answers), the one that reads them most plausibly (see
// NamePlausibility) wins; where several read them equally well, a detector
// answer sure beyond the threshold comes first, then the language's
// encodings in the detector's order (an answer that decodes the names to
// the same text counts for them: GB18030 for GBK), then in the language's
// own order, then the detector's other answers. The single-byte code pages
// decode any bytes at all, and the detector does not know the DOS ones: so
// cp866 names reach a Russian user as Cyrillic, not as windows-1252 gibberish.
//
// Names that MS-DOS or Windows zip tools wrote (XADString::madeOnDos) are in
// a DOS code page: of the readings equally plausible, the language's DOS
// code pages come before anything else. Without that, windows-1251 reads
// cp866 capitals ("ОТЧЕТ" as "Ћ’—…’") as plausibly as cp866 itself, and
// the detector, sure of windows-1251, won.
//
// When nothing decodes every name: the detector's first answer, else
// kFallbackEncoding. The answer is an ICU converter name; decoding never
// loses a name (see XADString::decode), so a poor choice costs legibility
// only.
struct EncodingChoice
{
    // ICU maps every byte of it to a character, which makes it the least
    // harmful guess for names of an unknown 8-bit encoding; and the common
    // case among such archives is one made on a western Windows system.
    static constexpr const char *kFallbackEncoding = "windows-1252";

    // chosenEncoding: an ICU converter name or alias, empty for automatic.
    // autoDetectionThreshold: in percent. language: a code as UserLanguage
    // gives it.
    static QString choose(const XADString &names, const QString &chosenEncoding, qint64 autoDetectionThreshold,
                          const QString &language = UserLanguage::current());
    // The same from the stored integers ("filenameEncoding", 0 = automatic;
    // an unknown value counts as automatic).
    static QString choose(const XADString &names, qint64 filenameEncoding, qint64 autoDetectionThreshold,
                          const QString &language = UserLanguage::current());
    // The same from the settings.
    static QString chooseFromSettings(const XADString &names, const QString &language = UserLanguage::current());
};

} // namespace sw
