#include "LegacyEncodings.h"

#include <QLatin1String>

#include <array>

namespace sw {

namespace {

struct Row
{
    const char *language; // ISO 639-1 code, nullptr for every other language
    std::array<const char *, 3> encodings; // ICU names, nullptr past the last
};

// Each row: the DOS (OEM) code page that Windows gives that language, which
// zip, cpio and tar tools on Windows store names in; the Unix locales'
// legacy code set (KOI8-R for ru_RU.KOI8-R, EUC-JP for ja_JP.eucJP, Big 5
// for zh_TW.Big5, EUC-KR for ko_KR.eucKR); and the Windows (ANSI) code page,
// which archivers of GUI programs used. For Japanese and Chinese the DOS and
// Windows code pages are one (932: Shift JIS with Microsoft's additions;
// 936: GBK). The last row holds for every other language: the DOS pages of
// the United States and western Europe, then Windows' western page.
constexpr Row kRows[] = {
    {"ru", {"cp866", "KOI8-R", "windows-1251"}},
    {"ja", {"cp932", "EUC-JP", nullptr}},
    {"zh", {"GBK", "Big5", nullptr}},
    {"ko", {"EUC-KR", nullptr, nullptr}},
    {"el", {"cp737", "windows-1253", nullptr}},
    {nullptr, {"cp437", "cp850", "windows-1252"}},
};

} // namespace

QStringList LegacyEncodings::forLanguage(const QString &language)
{
    for (const Row &row : kRows) {
        if (row.language && language != QLatin1String(row.language))
            continue;
        QStringList encodings;
        for (const char *encoding : row.encodings) {
            if (encoding)
                encodings.append(QString::fromLatin1(encoding));
        }
        return encodings;
    }
    return {};
}

} // namespace sw
