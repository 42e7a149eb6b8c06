// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds test archives at test time with libarchive's writer: files, folders,
// links and special entries under any name, hostile ones included (the
// writer stores names as given). Archives that need an encrypting program
// are made by running it (runTool).

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>

namespace swtest {

class ArchiveBuilder
{
public:
    // format: "zip", "tar", "tar.gz", or "gz" (one compressed file: the
    // data of the first entry); storedZip keeps zip data uncompressed
    // (so a test can find and damage an entry's bytes).
    explicit ArchiveBuilder(QString format, bool storedZip = false)
        : m_format(std::move(format)), m_stored(storedZip)
    {
    }

    ArchiveBuilder &file(const QByteArray &name, const QByteArray &data, mode_t mode = 0644)
    {
        m_entries.append({name, data, {}, AE_IFREG, mode, false});
        return *this;
    }
    ArchiveBuilder &folder(const QByteArray &name) { return add(name, {}, AE_IFDIR, 0755); }
    ArchiveBuilder &symlink(const QByteArray &name, const QByteArray &target)
    {
        m_entries.append({name, {}, target, AE_IFLNK, 0777, false});
        return *this;
    }
    ArchiveBuilder &hardlink(const QByteArray &name, const QByteArray &target)
    {
        m_entries.append({name, {}, target, AE_IFREG, 0644, true});
        return *this;
    }
    ArchiveBuilder &special(const QByteArray &name, mode_t type) { return add(name, {}, type, 0644); }

    bool write(const QString &path) const
    {
        archive *a = archive_write_new();
        if (m_format == QLatin1String("zip")) {
            archive_write_set_format_zip(a);
            if (m_stored)
                archive_write_set_options(a, "zip:compression=store");
        } else if (m_format == QLatin1String("gz")) {
            archive_write_set_format_raw(a);
            archive_write_add_filter_gzip(a);
        } else {
            archive_write_set_format_pax_restricted(a);
            if (m_format == QLatin1String("tar.gz"))
                archive_write_add_filter_gzip(a);
        }
        bool ok = archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK;
        for (const Entry &e : m_entries) {
            archive_entry *entry = archive_entry_new();
            archive_entry_set_pathname(entry, e.name.constData());
            archive_entry_set_filetype(entry, e.type);
            archive_entry_set_perm(entry, e.mode);
            archive_entry_set_mtime(entry, 1500000000, 0);
            if (e.hard)
                archive_entry_set_hardlink(entry, e.target.constData());
            else if (e.type == AE_IFLNK)
                archive_entry_set_symlink(entry, e.target.constData());
            if (e.type == AE_IFREG && !e.hard)
                archive_entry_set_size(entry, e.data.size());
            ok = ok && archive_write_header(a, entry) == ARCHIVE_OK;
            if (!e.data.isEmpty())
                ok = ok && archive_write_data(a, e.data.constData(), size_t(e.data.size())) == e.data.size();
            archive_entry_free(entry);
        }
        ok = archive_write_close(a) == ARCHIVE_OK && ok;
        archive_write_free(a);
        return ok;
    }

    // Runs an archiving program in folder; true when it exits with 0.
    static bool runTool(const QString &program, const QStringList &arguments, const QString &folder)
    {
        QProcess process;
        process.setWorkingDirectory(folder);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

    // Makes a zip (one whose data holds no zip signature: stored test
    // data) look written by an MS-DOS or Windows tool: every entry of its
    // central directory names host 0 in its "version made by", and no name
    // is flagged UTF-8.
    static bool markMadeOnDos(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return false;
        QByteArray bytes = file.readAll();
        const auto patch = [&bytes](const QByteArray &signature, qsizetype flagsAt, qsizetype hostAt) {
            for (qsizetype at = bytes.indexOf(signature); at >= 0; at = bytes.indexOf(signature, at + 4)) {
                bytes[at + flagsAt + 1] = char(bytes.at(at + flagsAt + 1) & ~0x08);  // bit 11
                if (hostAt > 0)
                    bytes[at + hostAt] = 0;
            }
        };
        patch(QByteArray("PK\x03\x04", 4), 6, 0);
        patch(QByteArray("PK\x01\x02", 4), 8, 5);
        return file.seek(0) && file.write(bytes) == bytes.size();
    }

private:
    struct Entry
    {
        QByteArray name, data, target;
        mode_t type;
        mode_t mode;
        bool hard;
    };
    ArchiveBuilder &add(const QByteArray &name, const QByteArray &data, mode_t type, mode_t mode)
    {
        m_entries.append({name, data, {}, type, mode, false});
        return *this;
    }

    QString m_format;
    bool m_stored;
    QList<Entry> m_entries;
};

}  // namespace swtest
