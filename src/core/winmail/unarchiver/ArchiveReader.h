#pragma once

#include <QByteArray>
#include <QString>

#include <locale.h>

struct archive;
struct archive_entry;

namespace sw {

// One pass over an archive file with libarchive. Archives are read with
// every compression filter and the archive formats below; a file that is
// no archive but one compressed stream (x.gz, x.xz, ...) is read in raw
// mode, as a single entry. The mtree format is left out on purpose: its
// entries name files on this machine, whose contents libarchive would copy.
//
// While a reader exists, its thread works in a UTF-8 locale: libarchive
// converts names to the locale's character set, and in the C locale it
// drops every name the archive flags as UTF-8 that holds a non-ASCII
// character. In a UTF-8 locale such names come as UTF-8, and names stored
// in another encoding come as their raw bytes, left to EntryNames.
class ArchiveReader
{
public:
    enum class Mode { Archive, Stream };
    enum class Step { Entry, End, Failed };

    ArchiveReader(const QString &path, Mode mode);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    // Open and, in stream mode, really compressed.
    bool isOpen() const { return m_open; }
    // The file could not be opened or read at all (as opposed to: not an archive).
    bool unreadable() const { return m_unreadable; }

    void addPassphrase(const QByteArray &passphrase);
    Step next(archive_entry *&entry);
    // archive_read_data_block's result, with its block.
    int readBlock(const void *&data, size_t &size, qint64 &offset);

    // Whether reading an entry's header means decompressing everything
    // before it (a compressed tar), rather than a seek (zip, 7z, plain tar).
    bool isCompressedStream() const;
    // How far into the file reading has come, for progress.
    qint64 position() const;
    QString errorString() const;
    archive *handle() { return m_archive; }

private:
    locale_t m_previousLocale = nullptr;  // switched before the archive is made: declared first
    archive *m_archive = nullptr;
    bool m_open = false;
    bool m_unreadable = false;
    QByteArray m_pending;
    QByteArray m_given;
};

}  // namespace sw
