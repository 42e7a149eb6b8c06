#pragma once

#include <QString>
#include <QtGlobal>

class XADString;

namespace sw {

// The encoding an archive's names are decoded with when they are not UTF-8
// (names that are valid or flagged UTF-8 never get here).
//
//   chosen empty ("filenameEncoding" 0, automatic): the detector's answer when
//     its confidence in percent reaches the threshold and it decodes every
//     name, else kFallbackEncoding;
//   chosen set: that encoding when it decodes every name, else the
//     detector's answer (else kFallbackEncoding). So the default setting,
//     UTF-8, still reads Shift JIS names from a Japanese system right.
//
// The answer is an ICU converter name; decoding never loses a name (see
// XADString::decode), so a poor choice costs legibility only.
struct EncodingChoice
{
    // ICU maps every byte of it to a character, which makes it the least
    // harmful guess for names of an unknown 8-bit encoding; and the common
    // case among such archives is one made on a western Windows system.
    static constexpr const char *kFallbackEncoding = "windows-1252";

    // chosenEncoding: an ICU converter name or alias, empty for automatic.
    static QString choose(const XADString &names, const QString &chosenEncoding,
                          qint64 autoDetectionThreshold);
    // The same from the stored integers ("filenameEncoding", 0 = automatic;
    // an unknown value counts as automatic).
    static QString choose(const XADString &names, qint64 filenameEncoding, qint64 autoDetectionThreshold);
    // The same from the settings.
    static QString chooseFromSettings(const XADString &names);
};

} // namespace sw
