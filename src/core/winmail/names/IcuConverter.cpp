// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/IcuConverter.h"

#include <unicode/ucnv.h>

#include <utility>

namespace sw {

namespace {

void appendPercentEscapes(QString &out, const char *bytes, int length)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out += QLatin1Char('%');
        out += QLatin1Char(hex[byte >> 4]);
        out += QLatin1Char(hex[byte & 0xF]);
    }
}

} // namespace

IcuConverter::IcuConverter(const QString &name)
{
    if (name.isEmpty())
        return;
    UErrorCode status = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(name.toLatin1().constData(), &status);
    if (U_FAILURE(status)) {
        ucnv_close(converter);
        return;
    }
    // Stop at the first byte that does not map instead of putting in U+FFFD:
    // the callers decide what becomes of it.
    status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    if (U_FAILURE(status)) {
        ucnv_close(converter);
        return;
    }
    m_converter = converter;
}

IcuConverter::~IcuConverter()
{
    if (m_converter)
        ucnv_close(m_converter);
}

IcuConverter::IcuConverter(IcuConverter &&other) noexcept
    : m_converter(std::exchange(other.m_converter, nullptr))
{
}

IcuConverter &IcuConverter::operator=(IcuConverter &&other) noexcept
{
    std::swap(m_converter, other.m_converter);
    return *this;
}

QString IcuConverter::internalName() const
{
    if (!m_converter)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    const char *name = ucnv_getName(m_converter, &status);
    return U_SUCCESS(status) ? QString::fromLatin1(name) : QString();
}

bool IcuConverter::decodesStrictly(const QByteArray &text, QString *decoded)
{
    if (!m_converter)
        return false;
    if (decoded)
        decoded->clear();
    ucnv_resetToUnicode(m_converter);
    const char *source = text.constData();
    const char *const sourceEnd = source + text.size();
    UChar buffer[256];
    for (;;) {
        UChar *target = buffer;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(m_converter, &target, buffer + std::size(buffer), &source, sourceEnd, nullptr, true,
                       &status);
        if (decoded)
            decoded->append(QStringView(buffer, target - buffer));
        if (status == U_BUFFER_OVERFLOW_ERROR)
            continue;
        return U_SUCCESS(status);
    }
}

QString IcuConverter::decodeEscaping(const QByteArray &text)
{
    // Built twice as it goes: as decoded, and with the text's own '%'
    // written %25. The second is the answer once an escape was needed.
    QString decoded;
    QString marked;
    bool escaped = false;
    const auto escape = [&](const char *bytes, int length) {
        appendPercentEscapes(decoded, bytes, length);
        appendPercentEscapes(marked, bytes, length);
        escaped = true;
    };
    if (!m_converter) {
        escape(text.constData(), int(text.size()));
        return marked;
    }
    ucnv_resetToUnicode(m_converter);
    const char *source = text.constData();
    const char *const sourceEnd = source + text.size();
    UChar buffer[256];
    for (;;) {
        UChar *target = buffer;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(m_converter, &target, buffer + std::size(buffer), &source, sourceEnd, nullptr, true,
                       &status);
        const QStringView chunk(buffer, target - buffer);
        decoded += chunk;
        for (QChar c : chunk)
            c == QLatin1Char('%') ? marked += QLatin1String("%25") : marked += c;
        if (status == U_BUFFER_OVERFLOW_ERROR)
            continue;
        if (U_SUCCESS(status))
            break;
        // The converter stopped after consuming the bytes that do not map;
        // it hands them back here, and the conversion goes on after them.
        char invalid[32];
        int8_t length = sizeof invalid;
        UErrorCode invalidStatus = U_ZERO_ERROR;
        ucnv_getInvalidChars(m_converter, invalid, &length, &invalidStatus);
        if (U_FAILURE(invalidStatus) || length <= 0) {
            escape(source, int(sourceEnd - source)); // no way forward: the rest as it is
            break;
        }
        escape(invalid, length);
        if (source >= sourceEnd)
            break;
    }
    return escaped ? marked : decoded;
}

} // namespace sw
