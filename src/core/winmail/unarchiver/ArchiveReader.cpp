// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/ArchiveReader.h"

#include "core/foundation/JobControl.h"
#include "core/winmail/unarchiver/ReaderChild.h"

#include <QCoreApplication>
#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <new>

#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sw {

namespace {

using namespace readerwire;

// How often a waiting step looks at the cancel request and the guard.
constexpr int kPollMs = 100;
constexpr size_t kReceiveChunk = 1 << 20;

// One context for the texts of this file, whichever function shows them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(sw::ArchiveReader)
};

QString noProgress()
{
    const int seconds = int((StallGuard::limit() + 999) / 1000);
    return QCoreApplication::translate("sw::ArchiveReader", "Damaged archive: no progress for %n seconds", nullptr,
                                       seconds);
}

// The UTF-8 locale readers switch their thread to; null when the system has none.
locale_t utf8Locale()
{
    static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    return locale;
}

}  // namespace

ArchiveReader::ArchiveReader(const QString &path, Mode mode, JobControl *job)
    : m_previousLocale(utf8Locale() ? ::uselocale(utf8Locale()) : nullptr), m_job(job), m_entry(archive_entry_new())
{
    m_open = start(path, mode);
}

ArchiveReader::~ArchiveReader()
{
    if (m_socket >= 0)
        ::close(m_socket);
    if (m_child > 0) {
        // Whatever it is doing (waiting for the next command, or looping
        // in a damaged archive), nothing of it is needed any more.
        ::kill(m_child, SIGKILL);
        while (::waitpid(m_child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    if (m_progress)
        ::munmap(m_progress, sizeof *m_progress);
    archive_entry_free(m_entry);
    if (m_previousLocale)
        ::uselocale(m_previousLocale);
}

bool ArchiveReader::start(const QString &path, Mode mode)
{
    void *shared = ::mmap(nullptr, sizeof *m_progress, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    int sockets[2];
    if (shared == MAP_FAILED || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
        m_stopReason = QString::fromLocal8Bit(std::strerror(errno));
        m_stopped = true;
        return false;
    }
    m_progress = new (shared) std::atomic<int64_t>(0);
    const QByteArray native = QFile::encodeName(path);  // nothing of Qt runs in the child
    m_child = ::fork();
    if (m_child == 0) {
        ::close(sockets[0]);
        ReaderChild::run({sockets[1], native.constData(), mode == Mode::Stream, m_progress});
    }
    ::close(sockets[1]);
    m_socket = sockets[0];
    std::string_view reply;
    if (m_child < 0 || !await(reply)) {
        if (m_child < 0)
            stop(QString::fromLocal8Bit(std::strerror(errno)), false);
        return false;
    }
    Unpacker in(reply);
    const int64_t opened = in.number();
    m_state = takeState(in);
    m_unreadable = opened == Unreadable;
    return opened == Open;
}

void ArchiveReader::stop(const QString &why, bool cancelled)
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_cancelled = cancelled;
    m_stopReason = why;
    if (m_child > 0)
        ::kill(m_child, SIGKILL);
}

bool ArchiveReader::await(std::string_view &message)
{
    for (;;) {
        uint32_t length = 0;
        const size_t held = m_held - m_taken;
        if (held >= sizeof length) {
            std::memcpy(&length, m_incoming.data() + m_taken, sizeof length);
            if (held - sizeof length >= length) {
                message = std::string_view(m_incoming).substr(m_taken + sizeof length, length);
                m_taken += sizeof length + length;
                return true;
            }
        }
        if (m_job && m_job->isCancelled()) {
            stop(QString(), true);
            return false;
        }
        pollfd ready{m_socket, POLLIN, 0};
        const int polled = ::poll(&ready, 1, kPollMs);
        if (polled > 0) {
            // What was taken goes before more comes, so the buffer holds
            // one receive and a message cut by it, never the whole stream.
            // Nothing taken is looked at any more: the caller's views last
            // until it asks for the next message, which is now.
            std::memmove(m_incoming.data(), m_incoming.data() + m_taken, m_held - m_taken);
            m_held -= m_taken;
            m_taken = 0;
            if (m_incoming.size() < m_held + kReceiveChunk)
                m_incoming.resize(m_held + kReceiveChunk);
            const ssize_t n = ::recv(m_socket, m_incoming.data() + m_held, kReceiveChunk, 0);
            if (n > 0)
                m_held += size_t(n);
            if (n == 0 || (n < 0 && errno != EINTR)) {
                // The child ended mid-step: libarchive crashed on the archive.
                stop(Text::tr("Damaged archive: the reader ended on it"), false);
                return false;
            }
            continue;
        }
        const int64_t read = m_progress->load(std::memory_order_relaxed);
        if (read != m_lastProgress) {
            m_lastProgress = read;
            m_guard.progressed();
        } else if (m_guard.stalled()) {
            stop(noProgress(), false);
            return false;
        }
    }
}

bool ArchiveReader::receive(std::string_view &message)
{
    if (m_stopped)
        return false;
    m_guard.beginStep();
    const bool received = await(message);
    m_guard.endStep();
    return received;
}

void ArchiveReader::addPassphrase(const QByteArray &passphrase)
{
    if (!m_stopped && !m_going)
        send(m_socket, char(Passphrase) + passphrase.toStdString());
}

void ArchiveReader::grant()
{
    constexpr int64_t kMaxWindow = 1024;
    if (m_going && m_granted - m_received > m_window / 2)
        return;
    Payload numbers;
    if (!m_going)
        numbers.number(m_withData ? 1 : 0);
    numbers.number(m_window);
    // A child that has gone may have sent all it had first: the messages
    // still to be received tell.
    send(m_socket, char(m_going ? More : Go) + numbers.data());
    m_going = true;
    m_granted += m_window;
    m_window = std::min(m_window * 2, kMaxWindow);
}

bool ArchiveReader::skipData()
{
    const void *data = nullptr;
    size_t size = 0;
    qint64 offset = 0;
    while (m_dataFollows || !m_prefetched.empty())
        if (readBlock(data, size, offset) == ARCHIVE_FATAL && m_stopped)
            return false;
    return true;
}

ArchiveReader::Step ArchiveReader::next(archive_entry *&entry)
{
    if (m_last != Step::Entry || m_stopped)
        return m_stopped ? Step::Failed : m_last;
    // What the caller left of the last entry's data comes first.
    std::string_view message;
    grant();
    if (!skipData() || !receive(message))
        return Step::Failed;
    ++m_received;
    Unpacker in(message);
    const int64_t kind = in.number();
    int64_t offset = 0;
    if (kind == EntryMessage) {
        offset = takeEntry(in, m_entry);
        for (int64_t n = in.number(); n > 0 && in.ok(); --n) {
            Fetched block;
            block.result = int(in.number());
            block.offset = in.number();
            block.data = in.view();
            m_prefetched.push_back(block);
        }
        m_dataFollows = in.number() != 0;
    }
    m_state = takeState(in);
    if (kind != EntryMessage) {
        m_last = kind == EndMessage ? Step::End : Step::Failed;
        return m_last;
    }
    const char *name = archive_entry_pathname(m_entry);
    // A header met a second time: the reader goes round in a loop.
    if (!m_guard.firstTime(offset, QByteArray(name ? name : ""))) {
        stop(Text::tr("Damaged archive: the same entry header came twice"), false);
        return Step::Failed;
    }
    entry = m_entry;
    return Step::Entry;
}

int ArchiveReader::readBlock(const void *&data, size_t &size, qint64 &offset)
{
    data = nullptr;
    size = 0;
    offset = 0;
    Fetched block;
    if (!m_prefetched.empty()) {
        block = m_prefetched.front();
        m_prefetched.pop_front();
    } else if (!m_dataFollows) {
        return m_stopped ? ARCHIVE_FATAL : ARCHIVE_EOF;
    } else {
        std::string_view message;
        if (!receive(message)) {
            m_dataFollows = false;
            return ARCHIVE_FATAL;
        }
        Unpacker in(message);
        if (in.number() != BlockMessage) {
            // The child keeps to its order; anything else is a message cut.
            stop(Text::tr("Damaged archive: the reader ended on it"), false);
            m_dataFollows = false;
            return ARCHIVE_FATAL;
        }
        block.result = int(in.number());
        block.offset = in.number();
        block.data = in.view();
        m_state = takeState(in);
        m_dataFollows = block.result == ARCHIVE_OK;
    }
    m_block = block.data;
    offset = block.offset;
    size = m_block.size();
    data = size ? m_block.data() : nullptr;
    if (size > 0) {
        m_guard.progressed();
    } else if (block.result == ARCHIVE_OK && m_guard.nothingNew()) {
        // Empty blocks, one after another, and nothing else moves.
        stop(noProgress(), false);
        m_dataFollows = false;
        m_prefetched.clear();
        return ARCHIVE_FATAL;
    }
    return block.result;
}

bool ArchiveReader::isCompressedStream() const
{
    const int base = format() & ARCHIVE_FORMAT_BASE_MASK;
    if (base == ARCHIVE_FORMAT_ZIP || base == ARCHIVE_FORMAT_7ZIP || base == ARCHIVE_FORMAT_ISO9660
        || base == ARCHIVE_FORMAT_XAR)
        return false;
    return m_state.filters > 0 && m_state.firstFilter != ARCHIVE_FILTER_NONE;
}

QString ArchiveReader::errorString() const
{
    if (m_stopped)
        return m_stopReason;
    return QString::fromLocal8Bit(m_state.error.c_str());
}

}  // namespace sw
