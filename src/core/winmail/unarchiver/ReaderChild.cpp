// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/ReaderChild.h"

#include "core/winmail/unarchiver/ReaderWire.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

using namespace readerwire;

// Small reads: the shared count of bytes read moves often, so even a slow
// decoder shows progress well within the stall limit.
constexpr size_t kReadBlock = 256 * 1024;

struct Source
{
    int fd = -1;
    std::atomic<int64_t> *progress = nullptr;
    std::string buffer = std::string(kReadBlock, '\0');
    std::string pending;  // a passphrase the parent sent, handed out once
    std::string given;
};

la_ssize_t readSource(archive *, void *data, const void **block)
{
    auto *source = static_cast<Source *>(data);
    ssize_t n;
    do
        n = ::read(source->fd, source->buffer.data(), source->buffer.size());
    while (n < 0 && errno == EINTR);
    if (n > 0)
        source->progress->fetch_add(n, std::memory_order_relaxed);
    *block = source->buffer.data();
    return n;
}

la_int64_t skipSource(archive *, void *data, la_int64_t request)
{
    auto *source = static_cast<Source *>(data);
    // Never past the end: a skip that falls short tells libarchive that the
    // archive is cut short (a seek past the end would succeed).
    struct stat st;
    const off_t at = ::lseek(source->fd, 0, SEEK_CUR);
    if (at < 0 || ::fstat(source->fd, &st) != 0 || !S_ISREG(st.st_mode))
        return 0;  // libarchive reads through instead
    const la_int64_t skip = std::min<la_int64_t>(request, std::max<la_int64_t>(st.st_size - at, 0));
    if (::lseek(source->fd, skip, SEEK_CUR) < 0)
        return 0;
    source->progress->fetch_add(skip, std::memory_order_relaxed);
    return skip;
}

la_int64_t seekSource(archive *, void *data, la_int64_t offset, int whence)
{
    auto *source = static_cast<Source *>(data);
    source->progress->fetch_add(1, std::memory_order_relaxed);
    const off_t at = ::lseek(source->fd, offset, whence);
    return at < 0 ? ARCHIVE_FATAL : at;
}

const char *passphrase(archive *, void *data)
{
    auto *source = static_cast<Source *>(data);
    if (source->pending.empty())
        return nullptr;
    source->given.swap(source->pending);
    source->pending.clear();
    return source->given.c_str();
}

void supportFormats(archive *a, bool stream)
{
    archive_read_support_filter_all(a);
    if (stream) {
        archive_read_support_format_raw(a);
        return;
    }
    // mtree is left out on purpose: its entries name files on this machine,
    // whose contents libarchive would copy.
    archive_read_support_format_7zip(a);
    archive_read_support_format_ar(a);
    archive_read_support_format_cab(a);
    archive_read_support_format_cpio(a);
    archive_read_support_format_iso9660(a);
    archive_read_support_format_lha(a);
    archive_read_support_format_rar(a);
    archive_read_support_format_rar5(a);
    archive_read_support_format_tar(a);
    archive_read_support_format_warc(a);
    archive_read_support_format_xar(a);
    archive_read_support_format_zip(a);
}

// One block of the entry's data: archive_read_data_block's result, the
// block's offset and bytes. Returns the result.
int putBlock(Payload &out, archive *a)
{
    const void *data = nullptr;
    size_t size = 0;
    la_int64_t offset = 0;
    const int result = archive_read_data_block(a, &data, &size, &offset);
    out.number(result);
    out.number(offset);
    out.bytes(data, data ? size : 0);
    return result;
}

// The data of a small file goes with its header: an archive of thousands of
// small files is mostly those, and one message each halves what is sent.
// Then whether more of the entry's data follows, in messages of its own.
bool putSmallData(Payload &out, archive *a, archive_entry *entry)
{
    constexpr int64_t kSmall = 256 * 1024;
    if (archive_entry_filetype(entry) != AE_IFREG) {
        out.number(0);
        out.number(0);
        return false;  // folders, links, devices: no data
    }
    const bool small = archive_entry_size_is_set(entry) && archive_entry_size(entry) <= kSmall
                       && !archive_entry_is_encrypted(entry);
    Payload blocks;
    int64_t count = 0;
    int result = ARCHIVE_OK;
    for (int64_t taken = 0; small && result == ARCHIVE_OK && taken <= kSmall; ++count) {
        const size_t before = blocks.data().size();
        result = putBlock(blocks, a);
        taken += int64_t(blocks.data().size() - before);
    }
    out.number(count);
    out.raw(blocks.data());
    out.number(result == ARCHIVE_OK ? 1 : 0);
    return result == ARCHIVE_OK;
}

// Sends the entries granted and, when wanted, their data, until the archive
// ends or the parent goes. The grants pace the headers and the socket's
// buffer the data: a full one blocks the child until the parent has taken
// what came before, so little is ever read ahead.
void sendEntries(archive *a, int socket, bool withData, int64_t granted)
{
    archive_entry *entry = nullptr;
    std::string command;
    Outbox out(socket);
    for (;; --granted) {
        while (granted <= 0) {
            if (!out.flush() || !receive(socket, command) || command.size() != 1 + sizeof granted || command[0] != More)
                return;
            const std::string number = command.substr(1);
            Unpacker more(number);
            granted += more.number();
        }
        const int result = archive_read_next_header(a, &entry);
        const bool isEntry = result == ARCHIVE_OK || result == ARCHIVE_WARN;
        Payload message;
        message.number(isEntry ? EntryMessage : result == ARCHIVE_EOF ? EndMessage : FailedMessage);
        bool more = false;
        if (isEntry) {
            putEntry(message, a, entry);
            if (withData) {
                more = putSmallData(message, a, entry);
            } else {
                message.number(0);
                message.number(0);
            }
        }
        putState(message, a);
        if (!out.post(message.data()) || !isEntry) {
            out.flush();
            return;
        }
        while (more) {
            Payload block;
            block.number(BlockMessage);
            more = putBlock(block, a) == ARCHIVE_OK;
            putState(block, a);
            if (!out.post(block.data()))
                return;
        }
    }
}

}  // namespace

void ReaderChild::run(const Setup &setup)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // Ctrl-C is the parent's to handle: it kills this process when it must.
    ::signal(SIGINT, SIG_IGN);
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGPIPE, SIG_DFL);
    // Without TZ the C library looks at /etc/localtime again for every
    // time it converts, and zip's times are local: the same zone, named once.
    if (!::getenv("TZ"))
        ::setenv("TZ", ":/etc/localtime", 1);
    Source source;
    source.progress = setup.progress;
    source.fd = ::open(setup.path, O_RDONLY | O_CLOEXEC);
    archive *a = archive_read_new();
    archive_read_set_passphrase_callback(a, &source, passphrase);
    supportFormats(a, setup.stream);
    Payload opened;
    if (source.fd < 0) {
        opened.number(Unreadable);
    } else {
        archive_read_set_seek_callback(a, seekSource);
        const bool read = archive_read_open2(a, &source, nullptr, readSource, skipSource, nullptr) == ARCHIVE_OK;
        // Raw mode takes any file; only a compressed one is a stream to unpack.
        const int error = archive_errno(a);
        opened.number(read && (!setup.stream || archive_filter_count(a) > 1) ? Open
                      : !read && (error == EISDIR || error == EIO)       ? Unreadable
                                                                          : NotOpen);
    }
    putState(opened, a);
    std::string command;
    bool going = send(setup.socket, opened.data());
    while (going && receive(setup.socket, command) && !command.empty()) {
        if (command[0] == Passphrase) {
            source.pending = command.substr(1);
        } else if (command[0] == Go) {
            const std::string numbers = command.substr(1);
            Unpacker go(numbers);
            const bool withData = go.number() != 0;
            sendEntries(a, setup.socket, withData, go.number());
            going = false;
        }
    }
    ::_exit(0);
}

}  // namespace sw
