#pragma once

#include <QByteArray>
#include <QString>

struct archive;
struct archive_entry;

namespace sw {

// One pass over an archive file with libarchive. Archives are read with
// every compression filter and the archive formats below; a file that is
// no archive but one compressed stream (x.gz, x.xz, ...) is read in raw
// mode, as a single entry. The mtree format is left out on purpose: its
// entries name files on this machine, whose contents libarchive would copy.
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
    archive *m_archive = nullptr;
    bool m_open = false;
    bool m_unreadable = false;
    QByteArray m_pending;
    QByteArray m_given;
};

}  // namespace sw
