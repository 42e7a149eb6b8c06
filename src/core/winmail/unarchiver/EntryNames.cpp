// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/EntryNames.h"

#include "core/winmail/names/XADString.h"

#include <QStringDecoder>

#include <archive_entry.h>

namespace sw {

namespace {

EntryNames::Name nameOf(const char *local, const char *utf8, const wchar_t *wide)
{
    if (local) {
        const QByteArray bytes(local);
        return {bytes, EntryNames::isUtf8(bytes)};
    }
    if (utf8)
        return {QByteArray(utf8), true};
    if (wide)
        return {QString::fromWCharArray(wide).toUtf8(), true};
    return {};
}

}  // namespace

EntryNames::Name EntryNames::pathName(archive_entry *entry)
{
    return nameOf(archive_entry_pathname(entry), archive_entry_pathname_utf8(entry), archive_entry_pathname_w(entry));
}

EntryNames::Name EntryNames::hardLinkName(archive_entry *entry)
{
    return nameOf(archive_entry_hardlink(entry), archive_entry_hardlink_utf8(entry), archive_entry_hardlink_w(entry));
}

EntryNames::Name EntryNames::linkTarget(archive_entry *entry)
{
    return nameOf(archive_entry_symlink(entry), archive_entry_symlink_utf8(entry), archive_entry_symlink_w(entry));
}

bool EntryNames::isUtf8(const QByteArray &bytes)
{
    // The decoding runs only when its result is taken.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QString EntryNames::decode(const Name &name, const QString &encodingName)
{
    if (name.utf8)
        return QString::fromUtf8(name.bytes);
    return XADString::decode(name.bytes, encodingName);
}

}  // namespace sw
