// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct UConverter;

namespace sw {

// One ICU converter, opened by any name or alias ICU knows, turning the raw
// bytes of names into text. Not thread-safe: one per thread.
class IcuConverter
{
public:
    explicit IcuConverter(const QString &name);
    ~IcuConverter();
    IcuConverter(IcuConverter &&other) noexcept;
    IcuConverter &operator=(IcuConverter &&other) noexcept;

    // False when ICU has no converter of that name.
    explicit operator bool() const { return m_converter != nullptr; }
    // ICU's own name for the converter ("ibm-943_P15A-2003" for "Shift_JIS"):
    // two aliases name the same converter when these are equal.
    QString internalName() const;

    // True when every byte of text maps: no illegal sequence, no unassigned
    // code, no sequence cut short at the end. The text it decodes to goes to
    // decoded when given.
    bool decodesStrictly(const QByteArray &text, QString *decoded = nullptr);
    // The whole text, whatever it holds: each byte that does not map becomes
    // %XX, and then a '%' that was in the text becomes %25, so that the
    // escapes can be told from it.
    QString decodeEscaping(const QByteArray &text);

private:
    UConverter *m_converter = nullptr;
};

} // namespace sw
