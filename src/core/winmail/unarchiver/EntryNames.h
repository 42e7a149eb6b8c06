#pragma once

#include <QByteArray>
#include <QString>

struct archive_entry;

namespace sw {

// The names of an archive's entries as bytes, and their decoding. libarchive
// hands out a name in the locale's character set when it can convert it
// (a name the archive flags as UTF-8, or stores as Unicode) and as the
// archive's raw bytes otherwise; a name it cannot give in the locale comes
// from its UTF-8 form instead. So a name is UTF-8 either way, or raw bytes
// of an encoding still to be found.
class EntryNames
{
public:
    struct Name
    {
        QByteArray bytes;
        bool utf8 = true;  // valid UTF-8 (or given as such by the archive)
    };

    static Name pathName(archive_entry *entry);
    static Name hardLinkName(archive_entry *entry);
    static Name linkTarget(archive_entry *entry);

    // bytes decoded; bytes no decoding accounts for become %XX (a '%'
    // too, so that the result cannot be mistaken for another name).
    static QString decode(const Name &name, const QString &encodingName);
    static QString percentEscaped(const QByteArray &bytes);
    static bool isUtf8(const QByteArray &bytes);
};

}  // namespace sw
