// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/ZipNameOrigin.h"

#include "core/fs/UniqueFd.h"

#include <QByteArray>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace sw {

namespace {

constexpr quint32 kEndSignature = 0x06054b50;
constexpr quint32 kZip64LocatorSignature = 0x07064b50;
constexpr quint32 kZip64EndSignature = 0x06064b50;
constexpr quint32 kEntrySignature = 0x02014b50;
constexpr qint64 kEndSize = 22;
constexpr qint64 kZip64LocatorSize = 20;
constexpr qint64 kZip64EndSize = 56;
constexpr qint64 kEntrySize = 46;
constexpr qint64 kMaxComment = 0xFFFF;
constexpr quint16 kUtf8Flag = 1 << 11;
constexpr int kMsDosHost = 0;

quint64 little(const QByteArray &bytes, qint64 at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(bytes.at(at + i));
    return value;
}

// size bytes at offset, or nullopt when the file does not hold them all.
std::optional<QByteArray> readAt(int fd, qint64 offset, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

struct Directory
{
    qint64 offset = 0;
    qint64 size = 0;
};

// The directory as the end record (or its zip64 form) gives it, moved by
// what precedes the archive when the offsets count from its own start (a
// self-extracting program in front of it).
std::optional<Directory> locateDirectory(int fd, qint64 fileSize)
{
    const qint64 tailSize = std::min(fileSize, kEndSize + kMaxComment + kZip64LocatorSize);
    const qint64 tailStart = fileSize - tailSize;
    const std::optional<QByteArray> tail = readAt(fd, tailStart, tailSize);
    if (!tail)
        return std::nullopt;
    qint64 end = tailSize - kEndSize;
    for (; end >= 0; --end) {
        if (little(*tail, end, 4) == kEndSignature && end + kEndSize + qint64(little(*tail, end + 20, 2)) <= tailSize)
            break;
    }
    if (end < 0)
        return std::nullopt;
    Directory directory{qint64(little(*tail, end + 16, 4)), qint64(little(*tail, end + 12, 4))};
    qint64 endOffset = tailStart + end;
    if (directory.offset == 0xFFFFFFFF || directory.size == 0xFFFFFFFF) {
        if (end < kZip64LocatorSize || little(*tail, end - kZip64LocatorSize, 4) != kZip64LocatorSignature)
            return std::nullopt;
        const quint64 at = little(*tail, end - kZip64LocatorSize + 8, 8);
        if (at > quint64(fileSize - kZip64EndSize))
            return std::nullopt;
        const std::optional<QByteArray> record = readAt(fd, qint64(at), kZip64EndSize);
        if (!record || little(*record, 0, 4) != kZip64EndSignature)
            return std::nullopt;
        const quint64 size = little(*record, 40, 8), offset = little(*record, 48, 8);
        if (size > quint64(fileSize) || offset > quint64(fileSize))
            return std::nullopt;
        directory = {qint64(offset), qint64(size)};
        endOffset = qint64(at);
    }
    if (directory.size < kEntrySize || directory.size > endOffset)
        return std::nullopt;
    const auto startsThere = [fd](qint64 offset) {
        const std::optional<QByteArray> signature = readAt(fd, offset, 4);
        return signature && little(*signature, 0, 4) == kEntrySignature;
    };
    // The directory lies wholly before the end record.
    if (directory.offset + directory.size > endOffset || !startsThere(directory.offset))
        directory.offset = endOffset - directory.size;
    return startsThere(directory.offset) ? std::optional(directory) : std::nullopt;
}

bool isAscii(const QByteArray &bytes, qint64 at, qint64 size)
{
    return std::all_of(bytes.cbegin() + at, bytes.cbegin() + at + size, [](char c) { return quint8(c) < 0x80; });
}

}  // namespace

bool ZipNameOrigin::namesFromDos(const QString &path)
{
    const UniqueFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < kEndSize)
        return false;
    const std::optional<Directory> directory = locateDirectory(fd.get(), st.st_size);
    if (!directory)
        return false;
    const std::optional<QByteArray> entries =
        readAt(fd.get(), directory->offset, std::min(directory->size, kDirectoryLimit));
    if (!entries)
        return false;
    bool legacyNames = false;
    for (qint64 at = 0; at + kEntrySize <= entries->size() && little(*entries, at, 4) == kEntrySignature;) {
        const qint64 nameSize = qint64(little(*entries, at + 28, 2));
        const qint64 next = at + kEntrySize + nameSize + qint64(little(*entries, at + 30, 2))
                            + qint64(little(*entries, at + 32, 2));
        if (at + kEntrySize + nameSize > entries->size())
            break;  // cut off by the limit
        const bool utf8 = little(*entries, at + 8, 2) & kUtf8Flag;
        if (!utf8 && !isAscii(*entries, at + kEntrySize, nameSize)) {
            if (quint8(entries->at(at + 5)) != kMsDosHost)
                return false;
            legacyNames = true;
        }
        at = next;
    }
    return legacyNames;
}

}  // namespace sw
