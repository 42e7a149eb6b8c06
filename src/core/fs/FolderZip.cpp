// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FolderZip.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <archive.h>
#include <archive_entry.h>

#include <memory>

namespace sw {

namespace {

using ArchivePtr = std::unique_ptr<archive, int (*)(archive *)>;
using EntryPtr = std::unique_ptr<archive_entry, void (*)(archive_entry *)>;

QString errorOf(archive *a)
{
    const char *text = archive_error_string(a);
    return text ? QString::fromLocal8Bit(text) : QCoreApplication::translate("FolderZip", "Cannot write the zip file");
}

// Copies the data of the entry the disk reader is on into the writer.
bool copyData(archive *disk, archive *zip)
{
    char buffer[64 * 1024];
    for (;;) {
        const la_ssize_t got = archive_read_data(disk, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 || archive_write_data(zip, buffer, size_t(got)) != got)
            return false;
    }
}

}  // namespace

QString FolderZip::pack(const QString &folder, const QString &zipPath)
{
    const QFileInfo info(QDir::cleanPath(folder));
    if (!info.isDir() || info.isSymLink())
        return QCoreApplication::translate("FolderZip", "Not a folder: %1").arg(folder);
    // Entries are named from the folder's name on: strip what lies above it.
    const QByteArray root = QFile::encodeName(info.absoluteFilePath());
    const qsizetype strip = QFile::encodeName(info.absolutePath()).size() + (info.absolutePath() == u"/" ? 0 : 1);

    ArchivePtr zip(archive_write_new(), archive_write_free);
    ArchivePtr disk(archive_read_disk_new(), archive_read_free);
    archive_write_set_format_zip(zip.get());
    archive_read_disk_set_symlink_physical(disk.get());
    if (archive_write_open_filename(zip.get(), QFile::encodeName(zipPath).constData()) != ARCHIVE_OK)
        return errorOf(zip.get());
    if (archive_read_disk_open(disk.get(), root.constData()) != ARCHIVE_OK)
        return errorOf(disk.get());

    for (;;) {
        EntryPtr entry(archive_entry_new(), archive_entry_free);
        const int read = archive_read_next_header2(disk.get(), entry.get());
        if (read == ARCHIVE_EOF)
            break;
        if (read < ARCHIVE_WARN)
            return errorOf(disk.get());
        archive_read_disk_descend(disk.get());
        const mode_t type = archive_entry_filetype(entry.get());
        if (type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK)
            continue;
        const QByteArray name = QByteArray(archive_entry_pathname(entry.get())).mid(strip);
        archive_entry_copy_pathname(entry.get(), name.constData());
        archive_entry_set_perm(entry.get(), archive_entry_perm(entry.get()) & 0777);
        if (archive_write_header(zip.get(), entry.get()) < ARCHIVE_WARN)
            return errorOf(zip.get());
        if (type == AE_IFREG && archive_entry_size(entry.get()) > 0 && !copyData(disk.get(), zip.get()))
            return errorOf(zip.get());
    }
    if (archive_write_close(zip.get()) != ARCHIVE_OK)
        return errorOf(zip.get());
    return QString();
}

}  // namespace sw
