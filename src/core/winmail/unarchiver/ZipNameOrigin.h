// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Where a zip's legacy names were written, read from its central directory:
// libarchive hands out an entry's name but not the "version made by" field
// whose high byte names the host system. Zip tools of MS-DOS and Windows
// (host 0) store a name without the UTF-8 flag in the OEM code page of the
// system's language (cp866 on a Russian one); Unix tools (host 3) store the
// bytes of the user's locale (KOI8-R, EUC-JP, ...). So the host tells which
// family of encodings the names are in, which the names alone cannot.
//
// The file is untrusted: only its last 64 KiB and at most kDirectoryLimit
// bytes of its directory are read, every field is checked against what was
// read, and anything unexpected answers false.
class ZipNameOrigin
{
public:
    // Directories past this are judged by the entries in their first part.
    static constexpr qint64 kDirectoryLimit = 4 << 20;

    // True when the zip at path has names stored neither as UTF-8 (flag
    // bit 11) nor as plain ASCII, and every one of them was written on an
    // MS-DOS host. False otherwise, and for a file that is no readable zip.
    static bool namesFromDos(const QString &path);
};

}  // namespace sw
