// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/names/LegacyEncodings.h"

#include <QLatin1String>

#include <array>
#include <iterator>

namespace sw {

namespace {

struct Row
{
    const char *language; // ISO 639-1 code, nullptr for every other language
    std::array<const char *, 3> encodings; // ICU names, nullptr past the last
    std::array<const char *, 2> oem;       // the DOS code pages alone
};

// Each row: the DOS (OEM) code page that Windows gives that language, which
// zip, cpio and tar tools on Windows store names in; the Unix locales'
// legacy code set (KOI8-R for ru_RU.KOI8-R, EUC-JP for ja_JP.eucJP, Big 5
// for zh_TW.Big5, EUC-KR for ko_KR.eucKR); and the Windows (ANSI) code page,
// which archivers of GUI programs used. For Japanese and Chinese the DOS and
// Windows code pages are one (932: Shift JIS with Microsoft's additions;
// 936: GBK). The last row holds for every other language: the DOS pages of
// the United States and western Europe, then Windows' western page.
// Korean DOS is code page 949, Microsoft's superset of EUC-KR (ICU's
// "cp949" is IBM's table, "windows-949" Microsoft's).
constexpr Row kRows[] = {
    {"ru", {"cp866", "KOI8-R", "windows-1251"}, {"cp866", nullptr}},
    {"ja", {"cp932", "EUC-JP", nullptr}, {"cp932", nullptr}},
    {"zh", {"GBK", "Big5", nullptr}, {"GBK", nullptr}},
    {"ko", {"EUC-KR", nullptr, nullptr}, {"windows-949", nullptr}},
    {"el", {"cp737", "windows-1253", nullptr}, {"cp737", nullptr}},
    {nullptr, {"cp437", "cp850", "windows-1252"}, {"cp437", "cp850"}},
};

const Row &rowOf(const QString &language)
{
    for (const Row &row : kRows) {
        if (!row.language || language == QLatin1String(row.language))
            return row;
    }
    return kRows[std::size(kRows) - 1];
}

template <std::size_t N>
QStringList listOf(const std::array<const char *, N> &names)
{
    QStringList encodings;
    for (const char *encoding : names) {
        if (encoding)
            encodings.append(QString::fromLatin1(encoding));
    }
    return encodings;
}

} // namespace

QStringList LegacyEncodings::forLanguage(const QString &language)
{
    return listOf(rowOf(language).encodings);
}

QStringList LegacyEncodings::oemForLanguage(const QString &language)
{
    return listOf(rowOf(language).oem);
}

} // namespace sw
