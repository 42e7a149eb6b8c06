// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace sw {

// The text encodings offered for archive names, as the settings store them:
// an integer per encoding ("filenameEncoding"), mapped here onto the ICU
// converter that reads it.
//
// The numbers are our own table, and stored in settings files: they never
// change. Small numbers for the common encodings (1 ASCII, 3 EUC-JP, 4 UTF-8,
// 5 ISO Latin 1, 8 Shift JIS, 9 ISO Latin 2, 11-15 the Windows code pages
// 1251, 1252, 1253, 1254, 1250, 21 ISO-2022-JP, 30 Mac OS Roman), 0x80000000
// plus a code-page number for the rest (0x802xx ISO 8859-x, 0x804xx DOS,
// 0x805xx Windows, 0x806xx and 0x809xx the Chinese and Korean sets,
// 0x80000Axx KOI8, Big 5...). 0 is "detect automatically"; UTF-16 (10) is
// left out, as names are never stored in it.
//
// Only the encodings the ICU on this machine can open are listed.
class EncodingList
{
public:
    struct Encoding
    {
        qint64 value = 0;
        QString icuName;             // as given to ucnv_open
        const char *title = nullptr; // readable name, untranslated (context "TUEncodingPopUp")
        QString internalName;        // ICU's name of the converter behind icuName
    };
    struct PopUpItem
    {
        qint64 value = 0;
        QString title; // translated
    };

    static const EncodingList &shared();

    const QList<Encoding> &encodings() const { return m_encodings; }
    // The converter name for a stored value; empty for 0 and unknown values.
    QString icuName(qint64 value) const;
    // The stored value for an ICU converter name or any alias of it
    // ("cp932", "sjis" and "Shift_JIS" are all 8); nullopt when ICU does not
    // know the name or no entry uses that converter.
    std::optional<qint64> valueForName(const QString &name) const;
    // The pop-up's items: the encodings by translated title, case-insensitive
    // and with numbers compared by value ("Latin 2" before "Latin 10"), then
    // "Detect automatically" with value 0.
    QList<PopUpItem> popUpItems() const;

    // A name ICU opens, as ICU's preferred standard name for it ("sjis" ->
    // "Shift_JIS"); empty when ICU has no such converter.
    static QString standardName(const QString &name);

private:
    EncodingList();

    QList<Encoding> m_encodings;
};

} // namespace sw
