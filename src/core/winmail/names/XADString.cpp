// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/XADString.h"

#include "core/winmail/names/EncodingList.h"
#include "core/winmail/names/IcuConverter.h"

#include <unicode/ucsdet.h>

#include <algorithm>
#include <memory>

namespace {

struct DetectorCloser
{
    void operator()(UCharsetDetector *detector) const { ucsdet_close(detector); }
};

// Names are byte strings of an 8-bit or multi-byte encoding; a detector
// answer in 16 or 32-bit units cannot be one of them.
bool isWideEncoding(const char *name)
{
    return qstrncmp(name, "UTF-16", 6) == 0 || qstrncmp(name, "UTF-32", 6) == 0;
}

} // namespace

XADString::XADString(QList<QByteArray> names, bool madeOnDos) : m_names(std::move(names)), m_madeOnDos(madeOnDos)
{
    if (m_names.isEmpty())
        return;
    // The detector copies what it looks at (its first few kilobytes) into a
    // buffer of its own, but it reads the text set here until it is closed.
    const QByteArray joined = m_names.join('\n');
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    if (U_FAILURE(status))
        return;
    ucsdet_setText(detector.get(), joined.constData(), int32_t(joined.size()), &status);
    int32_t count = 0;
    const UCharsetMatch **matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status))
        return;
    // Matches come best first; only those ICU can also convert count (the
    // detector knows a few it has no converter for, IBM420_rtl...), each
    // once (it may list one for two of its recognisers).
    for (int32_t i = 0; i < count; ++i) {
        UErrorCode matchStatus = U_ZERO_ERROR;
        const char *name = ucsdet_getName(matches[i], &matchStatus);
        if (U_FAILURE(matchStatus) || !name || isWideEncoding(name))
            continue;
        const QString encoding = QString::fromLatin1(name);
        const bool seen = std::any_of(m_matches.cbegin(), m_matches.cend(),
                                      [&](const Match &match) { return match.encoding == encoding; });
        if (seen || !sw::IcuConverter(encoding))
            continue;
        m_matches.append({encoding, ucsdet_getConfidence(matches[i], &matchStatus) / 100.0});
    }
}

QString XADString::encoding() const
{
    return m_matches.isEmpty() ? QString() : m_matches.constFirst().encoding;
}

double XADString::confidence() const
{
    return m_matches.isEmpty() ? 0 : m_matches.constFirst().confidence;
}

bool XADString::canDecodeWithEncoding(const QString &encodingName) const
{
    sw::IcuConverter converter(encodingName);
    if (!converter)
        return false;
    for (const QByteArray &name : m_names) {
        if (!converter.decodesStrictly(name))
            return false;
    }
    return true;
}

std::optional<QStringList> XADString::decodeAll(const QString &encodingName) const
{
    sw::IcuConverter converter(encodingName);
    if (!converter)
        return std::nullopt;
    QStringList decoded;
    decoded.reserve(m_names.size());
    QString text;
    for (const QByteArray &name : m_names) {
        if (!converter.decodesStrictly(name, &text))
            return std::nullopt;
        decoded.append(text);
    }
    return decoded;
}

QString XADString::encodingNameForEncoding(int encoding)
{
    return sw::EncodingList::shared().icuName(qint64(quint32(encoding)));
}

QString XADString::decode(const QByteArray &name, const QString &encodingName)
{
    sw::IcuConverter converter(encodingName);
    // An encoding ICU cannot open still decodes the plain ASCII of a name.
    if (!converter)
        converter = sw::IcuConverter(QStringLiteral("US-ASCII"));
    return converter.decodeEscaping(name);
}
