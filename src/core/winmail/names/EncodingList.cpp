// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/EncodingList.h"

#include "core/winmail/names/IcuConverter.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>

#include <unicode/ucnv.h>

#include <algorithm>

namespace sw {

namespace {

struct Row
{
    qint64 value;
    const char *icuName;
    const char *title;
};

// Where two numbers of the old numbering name the same converter (GBK and
// the DOS code page 936, Big 5 and code page 950) only one is listed.
const Row kRows[] = {
    {1, "US-ASCII", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (ASCII)")},
    {3, "EUC-JP", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Japanese (EUC)")},
    {4, "UTF-8", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-8)")},
    {5, "ISO-8859-1", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (ISO Latin 1)")},
    {8, "Shift_JIS", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Japanese (Shift JIS)")},
    {9, "ISO-8859-2", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Central European (ISO Latin 2)")},
    {11, "windows-1251", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Cyrillic (Windows)")},
    {12, "windows-1252", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (Windows Latin 1)")},
    {13, "windows-1253", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Greek (Windows)")},
    {14, "windows-1254", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Turkish (Windows Latin 5)")},
    {15, "windows-1250", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Central European (Windows Latin 2)")},
    {21, "ISO-2022-JP", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Japanese (ISO 2022-JP)")},
    {30, "macintosh", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (Mac OS Roman)")},
    {0x80000006, "x-mac-greek", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Greek (Mac OS)")},
    {0x80000007, "x-mac-cyrillic", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Cyrillic (Mac OS)")},
    {0x8000001D, "x-mac-centraleurroman", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Central European (Mac OS)")},
    {0x80000023, "x-mac-turkish", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Turkish (Mac OS)")},
    {0x80000203, "ISO-8859-3", QT_TRANSLATE_NOOP("TUEncodingPopUp", "South European (ISO Latin 3)")},
    {0x80000204, "ISO-8859-4", QT_TRANSLATE_NOOP("TUEncodingPopUp", "North European (ISO Latin 4)")},
    {0x80000205, "ISO-8859-5", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Cyrillic (ISO 8859-5)")},
    {0x80000206, "ISO-8859-6", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Arabic (ISO 8859-6)")},
    {0x80000207, "ISO-8859-7", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Greek (ISO 8859-7)")},
    {0x80000208, "ISO-8859-8", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Hebrew (ISO 8859-8)")},
    {0x80000209, "ISO-8859-9", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Turkish (ISO Latin 5)")},
    {0x8000020A, "ISO-8859-10", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Nordic (ISO Latin 6)")},
    {0x8000020B, "ISO-8859-11", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Thai (ISO 8859-11)")},
    {0x8000020D, "ISO-8859-13", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Baltic (ISO Latin 7)")},
    {0x8000020E, "ISO-8859-14", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Celtic (ISO Latin 8)")},
    {0x8000020F, "ISO-8859-15", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (ISO Latin 9)")},
    {0x80000210, "ISO-8859-16", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Romanian (ISO Latin 10)")},
    {0x80000400, "cp437", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Latin-US (DOS)")},
    {0x80000405, "cp737", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Greek (DOS)")},
    {0x80000406, "cp775", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Baltic (DOS)")},
    {0x80000410, "cp850", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (DOS Latin 1)")},
    {0x80000412, "cp852", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Central European (DOS Latin 2)")},
    {0x80000413, "cp855", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Cyrillic (DOS)")},
    {0x80000414, "cp857", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Turkish (DOS)")},
    {0x80000415, "cp860", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Portuguese (DOS)")},
    {0x80000416, "cp861", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Icelandic (DOS)")},
    {0x80000417, "cp862", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Hebrew (DOS)")},
    {0x80000418, "cp863", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Canadian French (DOS)")},
    {0x80000419, "cp864", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Arabic (DOS)")},
    {0x8000041A, "cp865", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Nordic (DOS)")},
    {0x8000041B, "cp866", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Russian (DOS)")},
    {0x8000041C, "cp869", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Greek (DOS Greek 2)")},
    {0x8000041D, "windows-874", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Thai (Windows, DOS)")},
    {0x80000422, "windows-949", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Korean (Windows, DOS)")},
    {0x80000505, "windows-1255", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Hebrew (Windows)")},
    {0x80000506, "windows-1256", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Arabic (Windows)")},
    {0x80000507, "windows-1257", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Baltic (Windows)")},
    {0x80000508, "windows-1258", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Vietnamese (Windows)")},
    {0x80000631, "GBK", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Simplified Chinese (GBK)")},
    {0x80000632, "GB18030", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Simplified Chinese (GB 18030)")},
    {0x80000821, "ISO-2022-JP-2", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Japanese (ISO 2022-JP-2)")},
    {0x80000822, "ISO-2022-JP-1", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Japanese (ISO 2022-JP-1)")},
    {0x80000830, "ISO-2022-CN", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Chinese (ISO 2022-CN)")},
    {0x80000831, "ISO-2022-CN-EXT", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Chinese (ISO 2022-CN-EXT)")},
    {0x80000840, "ISO-2022-KR", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Korean (ISO 2022-KR)")},
    {0x80000930, "GB2312", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Simplified Chinese (GB 2312)")},
    {0x80000931, "EUC-TW", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Traditional Chinese (EUC)")},
    {0x80000940, "EUC-KR", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Korean (EUC)")},
    {0x80000A02, "KOI8-R", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Cyrillic (KOI8-R)")},
    {0x80000A03, "Big5", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Traditional Chinese (Big 5)")},
    {0x80000A05, "HZ-GB-2312", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Simplified Chinese (HZ GB 2312)")},
    {0x80000A06, "Big5-HKSCS", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Traditional Chinese (Big 5 HKSCS)")},
    {0x80000A07, "VISCII", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Vietnamese (VISCII)")},
    {0x80000A08, "KOI8-U", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Ukrainian (KOI8-U)")},
    {0x80000C02, "cp037", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Western (EBCDIC Latin 1)")},
    {0x84000100, "UTF-7", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-7)")},
    {0x8C000100, "UTF-32", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-32)")},
    {0x90000100, "UTF-16BE", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-16BE)")},
    {0x94000100, "UTF-16LE", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-16LE)")},
    {0x98000100, "UTF-32BE", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-32BE)")},
    {0x9C000100, "UTF-32LE", QT_TRANSLATE_NOOP("TUEncodingPopUp", "Unicode (UTF-32LE)")},
};

const char kDetectAutomatically[] = QT_TRANSLATE_NOOP("TUEncodingPopUp", "Detect automatically");

} // namespace

EncodingList::EncodingList()
{
    for (const Row &row : kRows) {
        const QString icuName = QString::fromLatin1(row.icuName);
        const IcuConverter converter(icuName);
        if (!converter)
            continue; // this ICU was built without it
        m_encodings.append({row.value, icuName, row.title, converter.internalName()});
    }
}

const EncodingList &EncodingList::shared()
{
    static const EncodingList list;
    return list;
}

QString EncodingList::icuName(qint64 value) const
{
    for (const Encoding &encoding : m_encodings) {
        if (encoding.value == value)
            return encoding.icuName;
    }
    return {};
}

std::optional<qint64> EncodingList::valueForName(const QString &name) const
{
    const IcuConverter converter(name);
    if (!converter)
        return std::nullopt;
    const QString internal = converter.internalName();
    for (const Encoding &encoding : m_encodings) {
        if (encoding.internalName == internal)
            return encoding.value;
    }
    return std::nullopt;
}

QList<EncodingList::PopUpItem> EncodingList::popUpItems() const
{
    QList<PopUpItem> items;
    items.reserve(m_encodings.size() + 1);
    for (const Encoding &encoding : m_encodings)
        items.append({encoding.value, QCoreApplication::translate("TUEncodingPopUp", encoding.title)});
    // Qt's collator for the C locale compares code units only, numbers
    // included: sort as English then.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(items.begin(), items.end(), [&collator](const PopUpItem &a, const PopUpItem &b) {
        return collator.compare(a.title, b.title) < 0;
    });
    items.append({0, QCoreApplication::translate("TUEncodingPopUp", kDetectAutomatically)});
    return items;
}

QString EncodingList::standardName(const QString &name)
{
    const IcuConverter converter(name);
    if (!converter)
        return {};
    const QByteArray internal = converter.internalName().toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    for (const char *standard : {"IANA", "MIME", "WINDOWS", "JAVA"}) {
        status = U_ZERO_ERROR;
        const char *preferred = ucnv_getStandardName(internal.constData(), standard, &status);
        if (U_SUCCESS(status) && preferred)
            return QString::fromLatin1(preferred);
    }
    return converter.internalName();
}

} // namespace sw
