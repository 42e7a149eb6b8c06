// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/sevenzip/StallGuard.h"
#include "core/winmail/unarchiver/ReaderWire.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <deque>
#include <string_view>

#include <locale.h>
#include <sys/types.h>

struct archive_entry;

namespace sw {

class JobControl;

// One pass over an archive file with libarchive. Archives are read with
// every compression filter and the archive formats below; a file that is
// no archive but one compressed stream (x.gz, x.xz, ...) is read in raw
// mode, as a single entry. The mtree format is left out on purpose: its
// entries name files on this machine, whose contents libarchive would copy.
//
// libarchive runs in a child process of its own (ReaderChild), which reads
// ahead of this object: it sends every entry and its data over a socket
// whose buffer paces it, so no step waits for a round trip. A damaged archive can make it loop in place
// without ever returning; a call that does not return cannot be stopped in
// a thread, but a process can. So while a step waits, the job's cancel and
// the stall guard (StallGuard: no input read and no new output or header
// for its limit, or a header met twice) are watched, and either kills the
// child: the step fails, stopped() tells so and errorString() why. A crash
// of libarchive on a hostile archive ends the child only, as damage.
//
// While a reader exists, its thread works in a UTF-8 locale (the child
// inherits it): libarchive converts names to the locale's character set,
// and in the C locale it drops every name the archive flags as UTF-8 that
// holds a non-ASCII character. In a UTF-8 locale such names come as UTF-8,
// and names stored in another encoding come as their raw bytes, left to
// EntryNames.
class ArchiveReader
{
public:
    enum class Mode { Archive, Stream };
    enum class Step { Entry, End, Failed };

    // job (may be null): its cancel stops a step that waits.
    ArchiveReader(const QString &path, Mode mode, JobControl *job = nullptr);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    // Open and, in stream mode, really compressed.
    bool isOpen() const { return m_open; }
    // The file could not be opened or read at all (as opposed to: not an archive).
    bool unreadable() const { return m_unreadable; }

    // Handed to libarchive the next time it asks for one, once. Before the
    // first next() only: from then on the child reads no more.
    void addPassphrase(const QByteArray &passphrase);
    // Before the first next(): entries come without their data (readBlock
    // finds none), which spares decompressing what is only listed.
    void readHeadersOnly() { m_withData = false; }
    // entry stays valid until the next call.
    Step next(archive_entry *&entry);
    // archive_read_data_block's result, with its block (valid until the next call).
    int readBlock(const void *&data, size_t &size, qint64 &offset);

    // Whether reading an entry's header means decompressing everything
    // before it (a compressed tar), rather than a seek (zip, 7z, plain tar).
    bool isCompressedStream() const;
    // How far into the file reading has come, for progress.
    qint64 position() const { return m_state.position; }
    // How far into the decompressed stream the format has read.
    qint64 streamPosition() const { return m_state.streamPosition; }
    QString errorString() const;
    int format() const { return int(m_state.format); }
    bool hasEncryptedEntries() const { return m_state.encrypted > 0; }

    // A step was stopped: the job was cancelled, or the reader made no
    // progress. Every step after that fails.
    bool stopped() const { return m_stopped; }
    bool cancelled() const { return m_cancelled; }

private:
    bool start(const QString &path, Mode mode);
    // Waits for the child's next message, the time it takes counted by the
    // stall guard; false when stopped.
    bool receive(std::string_view &message);
    bool await(std::string_view &message);
    // Passes what is left of the current entry's data.
    bool skipData();
    // Grants the child more entries when those granted run low.
    void grant();
    void stop(const QString &why, bool cancelled);

    locale_t m_previousLocale = nullptr;  // switched before the child starts: declared first
    JobControl *m_job;
    pid_t m_child = -1;
    int m_socket = -1;
    std::atomic<int64_t> *m_progress = nullptr;  // bytes the child read, in memory both share
    int64_t m_lastProgress = 0;
    StallGuard m_guard;
    archive_entry *m_entry = nullptr;
    // What came from the child: m_held bytes, of which the messages up to
    // m_taken were taken. Messages and blocks are views into it, valid
    // until the next receive moves what is left to the front.
    std::string m_incoming;
    size_t m_held = 0;
    size_t m_taken = 0;
    struct Fetched
    {
        int result = 0;
        int64_t offset = 0;
        std::string_view data;
    };
    std::deque<Fetched> m_prefetched;  // a small file's data, sent with its header
    std::string_view m_block;
    readerwire::State m_state;
    bool m_open = false;
    bool m_unreadable = false;
    bool m_stopped = false;
    bool m_cancelled = false;
    bool m_withData = true;
    bool m_going = false;        // Go was sent
    // Entries are granted to the child a window at a time, the window
    // growing from a few (a look at the first entries makes it read no
    // more than those) to many (a round trip per many entries).
    int64_t m_granted = 0;
    int64_t m_received = 0;
    int64_t m_window = 8;
    bool m_dataFollows = false;  // blocks of the current entry are still to come
    Step m_last = Step::Entry;   // End or Failed once the child said so
    QString m_stopReason;
};

}  // namespace sw
