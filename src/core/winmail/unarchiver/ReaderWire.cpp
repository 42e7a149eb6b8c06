// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/ReaderWire.h"

#include <archive.h>
#include <archive_entry.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <cwchar>

#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

namespace sw::readerwire {

namespace {

// Moves all size bytes with io (a send or a read), going on after
// interruptions and partial moves; false when the peer is gone.
template <typename Data, typename Io>
bool whole(Data *data, size_t size, Io io)
{
    while (size > 0) {
        const ssize_t n = io(data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool writeAll(int fd, const char *data, size_t size)
{
    // A socket: a peer that is gone is EPIPE here, never SIGPIPE.
    return whole(data, size, [fd](const char *at, size_t left) { return ::send(fd, at, left, MSG_NOSIGNAL); });
}

bool readAll(int fd, char *data, size_t size)
{
    return whole(data, size, [fd](char *at, size_t left) { return ::read(fd, at, left); });
}

void frame(std::string &out, const std::string &payload)
{
    const uint32_t length = uint32_t(payload.size());
    out.append(reinterpret_cast<const char *>(&length), sizeof length);
    out += payload;
}

int64_t monotonicNs()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A name as the archive gives it: the local bytes, else its UTF-8, else its
// wide form in UTF-8 (the child runs in a UTF-8 locale); absent as none.
void putName(Payload &out, const char *local, const char *utf8, const wchar_t *wide)
{
    if (local || utf8) {
        out.text(local ? local : utf8);
        return;
    }
    if (!wide) {
        out.text(nullptr);
        return;
    }
    std::string converted;
    std::mbstate_t state{};
    char buffer[MB_LEN_MAX];
    for (; *wide; ++wide) {
        const size_t n = std::wcrtomb(buffer, *wide, &state);
        if (n != size_t(-1))
            converted.append(buffer, n);
    }
    out.text(converted.c_str());
}

}  // namespace

void Payload::number(int64_t value)
{
    m_data.append(reinterpret_cast<const char *>(&value), sizeof value);
}

void Payload::bytes(const void *data, size_t size)
{
    number(int64_t(size));
    m_data.append(static_cast<const char *>(data), size);
}

void Payload::text(const char *value)
{
    number(value ? 1 : 0);
    if (value)
        bytes(value, std::strlen(value));
}

int64_t Unpacker::number()
{
    int64_t value = 0;
    if (m_data.size() - m_at < sizeof value) {
        m_ok = false;
        return 0;
    }
    std::memcpy(&value, m_data.data() + m_at, sizeof value);
    m_at += sizeof value;
    return value;
}

std::string Unpacker::bytes()
{
    return std::string(view());
}

std::string_view Unpacker::view()
{
    const int64_t size = number();
    if (size < 0 || uint64_t(size) > m_data.size() - m_at) {
        m_ok = false;
        return {};
    }
    const std::string_view value = m_data.substr(m_at, size_t(size));
    m_at += size_t(size);
    return value;
}

void putState(Payload &out, archive *a)
{
    // No format chosen (the file is none libarchive knows): asking about
    // encrypted entries would call into the format that is not there.
    out.number(archive_format(a));
    out.number(archive_format(a) != 0 ? archive_read_has_encrypted_entries(a) : 0);
    out.number(archive_filter_count(a));
    out.number(archive_filter_count(a) > 0 ? archive_filter_code(a, 0) : 0);
    out.number(archive_filter_count(a) > 0 ? archive_filter_bytes(a, -1) : 0);
    out.number(archive_filter_count(a) > 0 ? archive_filter_bytes(a, 0) : 0);
    out.text(archive_error_string(a));
}

State takeState(Unpacker &in)
{
    State state;
    state.format = in.number();
    state.encrypted = in.number();
    state.filters = in.number();
    state.firstFilter = in.number();
    state.position = in.number();
    state.streamPosition = in.number();
    if (in.number())
        state.error = in.bytes();
    return state;
}

void putEntry(Payload &out, archive *a, archive_entry *entry)
{
    out.number(archive_read_header_position(a));
    putName(out, archive_entry_pathname(entry), archive_entry_pathname_utf8(entry), archive_entry_pathname_w(entry));
    putName(out, archive_entry_hardlink(entry), archive_entry_hardlink_utf8(entry), archive_entry_hardlink_w(entry));
    putName(out, archive_entry_symlink(entry), archive_entry_symlink_utf8(entry), archive_entry_symlink_w(entry));
    out.number(archive_entry_filetype(entry));
    out.number(archive_entry_perm(entry));
    out.number(archive_entry_mtime_is_set(entry) ? 1 : 0);
    out.number(archive_entry_mtime(entry));
    out.number(archive_entry_size_is_set(entry) ? 1 : 0);
    out.number(archive_entry_size(entry));
    out.number(archive_entry_is_data_encrypted(entry) ? 1 : 0);
    out.number(archive_entry_is_metadata_encrypted(entry) ? 1 : 0);
    out.number(archive_entry_sparse_reset(entry));
    la_int64_t offset = 0, length = 0;
    while (archive_entry_sparse_next(entry, &offset, &length) == ARCHIVE_OK) {
        out.number(offset);
        out.number(length);
    }
}

int64_t takeEntry(Unpacker &in, archive_entry *entry)
{
    archive_entry_clear(entry);
    const int64_t offset = in.number();
    using Set = void (*)(archive_entry *, const char *);
    for (const Set set : {Set(archive_entry_copy_pathname), Set(archive_entry_copy_hardlink),
                          Set(archive_entry_copy_symlink)}) {
        if (in.number())
            set(entry, in.bytes().c_str());
    }
    archive_entry_set_filetype(entry, unsigned(in.number()));
    archive_entry_set_perm(entry, mode_t(in.number()));
    const bool timed = in.number();
    const int64_t mtime = in.number();
    if (timed)
        archive_entry_set_mtime(entry, time_t(mtime), 0);
    const bool sized = in.number();
    const int64_t size = in.number();
    if (sized)
        archive_entry_set_size(entry, size);
    else
        archive_entry_unset_size(entry);
    archive_entry_set_is_data_encrypted(entry, char(in.number()));
    archive_entry_set_is_metadata_encrypted(entry, char(in.number()));
    for (int64_t n = in.number(); n > 0 && in.ok(); --n) {
        const int64_t at = in.number();
        archive_entry_sparse_add_entry(entry, at, in.number());
    }
    return offset;
}

bool send(int fd, const std::string &payload)
{
    std::string message;
    frame(message, payload);
    return writeAll(fd, message.data(), message.size());
}

bool Outbox::post(const std::string &payload)
{
    constexpr size_t kBatch = 64 * 1024;
    constexpr int64_t kWaitNs = 5'000'000;
    const int64_t now = monotonicNs();
    if (m_batch.empty())
        m_since = now;
    frame(m_batch, payload);
    return m_batch.size() < kBatch && now - m_since < kWaitNs ? true : flush();
}

bool Outbox::flush()
{
    const bool sent = writeAll(m_fd, m_batch.data(), m_batch.size());
    m_batch.clear();
    return sent;
}

bool receive(int fd, std::string &payload)
{
    uint32_t length = 0;
    if (!readAll(fd, reinterpret_cast<char *>(&length), sizeof length))
        return false;
    payload.resize(length);
    return readAll(fd, payload.data(), length);
}

}  // namespace sw::readerwire
