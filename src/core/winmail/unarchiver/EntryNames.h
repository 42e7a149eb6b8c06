// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct archive_entry;

namespace sw {

// The names of an archive's entries as bytes, and their decoding. Read in a
// UTF-8 locale (see ArchiveReader), libarchive hands out a name the archive
// flags as UTF-8 or stores as Unicode in UTF-8, and any other name as the
// archive's raw bytes. So a name is UTF-8, or raw bytes of an encoding
// still to be found; raw bytes that happen to be valid UTF-8 count as UTF-8.
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

    // A UTF-8 name as it is; any other in encodingName (an ICU converter
    // name), where bytes that do not decode become %XX (see XADString).
    static QString decode(const Name &name, const QString &encodingName);
    static bool isUtf8(const QByteArray &bytes);
};

}  // namespace sw
