// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/EncodingChoice.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/names/EncodingList.h"
#include "core/winmail/names/LegacyEncodings.h"
#include "core/winmail/names/NamePlausibility.h"
#include "core/winmail/names/XADString.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <optional>
#include <tuple>
#include <utility>

namespace sw {

namespace {

// One encoding that decodes every name, and how it ranks.
struct Candidate
{
    enum Group { SureAnswer, UsersLanguage, OtherAnswer };

    QString encoding;
    int implausible = 0; // over all names
    int oemRank = INT_MAX; // place among the DOS code pages, for names a DOS tool wrote
    Group group = OtherAnswer;
    int detectorRank = INT_MAX; // place among the detector's answers
    int languageRank = INT_MAX; // place in the language's list

    auto key() const { return std::tie(implausible, oemRank, group, detectorRank, languageRank); }
};

int implausibleCharacters(const QStringList &decoded)
{
    int count = 0;
    for (const QString &name : decoded)
        count += NamePlausibility::implausibleCharacters(name);
    return count;
}

// The language's encodings that decode every name, with their decoding
// (to find a detector answer that reads the names the same way). Names a
// DOS tool wrote add the language's DOS code pages, which rank first.
QList<std::pair<Candidate, QStringList>> languageCandidates(const XADString &names, const QString &language)
{
    QList<std::pair<Candidate, QStringList>> found;
    const QStringList oem = names.madeOnDos() ? LegacyEncodings::oemForLanguage(language) : QStringList();
    QStringList encodings = LegacyEncodings::forLanguage(language);
    for (const QString &page : oem)
        if (!encodings.contains(page))
            encodings.append(page);
    for (qsizetype i = 0; i < encodings.size(); ++i) {
        std::optional<QStringList> decoded = names.decodeAll(encodings.at(i));
        if (!decoded)
            continue;
        const qsizetype oemRank = oem.indexOf(encodings.at(i));
        const Candidate candidate{encodings.at(i), implausibleCharacters(*decoded),
                                  oemRank < 0 ? INT_MAX : int(oemRank), Candidate::UsersLanguage, INT_MAX, int(i)};
        found.append({candidate, std::move(*decoded)});
    }
    return found;
}

QList<Candidate> candidates(const XADString &names, qint64 threshold, const QString &language)
{
    QList<std::pair<Candidate, QStringList>> own = languageCandidates(names, language);
    QList<Candidate> all;
    const QList<XADString::Match> &matches = names.matches();
    for (qsizetype rank = 0; rank < matches.size(); ++rank) {
        const XADString::Match &match = matches.at(rank);
        const std::optional<QStringList> decoded = names.decodeAll(match.encoding);
        if (!decoded)
            continue;
        const auto same = std::find_if(own.begin(), own.end(), [&](const auto &c) { return c.second == *decoded; });
        if (same != own.end()) {
            same->first.detectorRank = std::min(same->first.detectorRank, int(rank));
            continue;
        }
        const bool sure = match.confidence * 100 >= double(threshold);
        all.append({match.encoding, implausibleCharacters(*decoded), INT_MAX,
                    sure ? Candidate::SureAnswer : Candidate::OtherAnswer, int(rank), INT_MAX});
    }
    for (const auto &candidate : own)
        all.append(candidate.first);
    return all;
}

} // namespace

QString EncodingChoice::choose(const XADString &names, const QString &chosenEncoding, qint64 autoDetectionThreshold,
                               const QString &language)
{
    if (!chosenEncoding.isEmpty() && names.canDecodeWithEncoding(chosenEncoding))
        return chosenEncoding;
    const QList<Candidate> found = candidates(names, autoDetectionThreshold, language);
    const auto best = std::min_element(found.cbegin(), found.cend(),
                                       [](const Candidate &a, const Candidate &b) { return a.key() < b.key(); });
    if (best != found.cend())
        return best->encoding;
    const QString detected = names.encoding();
    return detected.isEmpty() ? QString::fromLatin1(kFallbackEncoding) : detected;
}

QString EncodingChoice::choose(const XADString &names, qint64 filenameEncoding, qint64 autoDetectionThreshold,
                               const QString &language)
{
    return choose(names, EncodingList::shared().icuName(filenameEncoding), autoDetectionThreshold, language);
}

QString EncodingChoice::chooseFromSettings(const XADString &names, const QString &language)
{
    return choose(names, ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")),
                  ORPrefConfig::integerForKey(QStringLiteral("autoDetectionThreshold")), language);
}

} // namespace sw
