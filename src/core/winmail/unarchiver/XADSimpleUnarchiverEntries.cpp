// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/XADSimpleUnarchiverPrivate.h"

#include "core/winmail/unarchiver/EntryPath.h"

#include <QDir>
#include <QFile>

#include <archive.h>
#include <archive_entry.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

using sw::ArchiveReader;
using sw::EntryNames;
using sw::EntryPath;
using sw::EntryWriter;

namespace {

// Errors of the destination end the extraction; the others (a clash, a
// path through a file) refuse only the entry.
int writeErrorCode(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return XADSimpleUnarchiver::XADNoSpaceError;
    case EROFS:
    case EACCES:
    case EPERM:
    case EIO:
    case EMFILE:
    case ENFILE:
        return XADSimpleUnarchiver::XADWriteError;
    default:
        return XADSimpleUnarchiver::XADNoError;
    }
}

// The delegate hears of progress at most once per this many bytes.
constexpr qint64 kProgressStep = 1 << 20;

bool climbs(const QString &name)
{
    return name.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

}  // namespace

int XADSimpleUnarchiver::Private::extractEntry(ArchiveReader &reader, EntryWriter &writer, sw::FreeSpaceGuard &guard,
                                               archive_entry *entry)
{
    const EntryNames::Name name = EntryNames::pathName(entry);
    XADEntry item = entryFor(entry, name);
    const QString decoded = mode == ArchiveReader::Mode::Stream ? item.name : decode(name);
    const QStringList parts = mode == ArchiveReader::Mode::Stream ? QStringList{item.name} : EntryPath::components(decoded);
    item.name = parts.join(QLatin1Char('/'));
    if (parts.isEmpty()) {
        // "./" is the archive's own top folder: nothing to make.
        if (climbs(decoded) || item.type != XADEntry::Type::Directory)
            addSkipped(decoded, climbs(decoded) ? tr("the name leads outside the destination") : tr("the name is empty"));
        return XADNoError;
    }
    const QString to = QDir(destination).filePath(item.name);
    if (delegate && !delegate->simpleUnarchiver(*q, item, to))
        return fail(XADBreakError, {});
    job->setCurrentPath(item.name);
    if (item.encrypted && !ensurePassword(reader))
        return fail(XADBreakError, {});
    // Folders and links take an inode each, as files do.
    if ((item.type == XADEntry::Type::Directory && !guard.roomFor(0))
        || (item.type == XADEntry::Type::Link && !guard.roomForLater()))
        return failed(item, XADNoSpaceError, tr("Not enough free space"));

    const EntryNames::Name linkName = EntryNames::hardLinkName(entry);
    if (!linkName.bytes.isEmpty() && item.size > 0)
        return writeLinkWithData(reader, writer, guard, entry, item, EntryPath::components(decode(linkName)));
    if (!linkName.bytes.isEmpty())
        return placed(item, writer, writer.hardLink(parts, EntryPath::components(decode(linkName))));
    switch (item.type) {
    case XADEntry::Type::Directory:
        return placed(item, writer,
                      writer.makeFolder(parts, archive_entry_perm(entry),
                                        archive_entry_mtime_is_set(entry) ? archive_entry_mtime(entry) : 0));
    case XADEntry::Type::Link:
        writer.addLink(parts, decode(EntryNames::linkTarget(entry)));
        return XADNoError;
    case XADEntry::Type::Other:
        addSkipped(item.name, tr("special files (devices, FIFOs, sockets) are not extracted"));
        return XADNoError;
    case XADEntry::Type::File:
        break;
    }
    return writeData(reader, writer, guard, entry, item, parts);
}

int XADSimpleUnarchiver::Private::failed(const XADEntry &item, int code, const QString &description)
{
    if (delegate)
        delegate->simpleUnarchiver(*q, item, QDir(destination).filePath(item.name), code);
    return fail(code, description);
}

// What became of an entry made in one step (a folder, a hard link).
int XADSimpleUnarchiver::Private::placed(const XADEntry &item, EntryWriter &writer, const EntryWriter::Outcome &outcome)
{
    for (const QString &folder : writer.takeNewFolders())
        addExtracted(folder, XADEntry::Type::Directory, 0);
    if (!outcome.ok) {
        addSkipped(item.name, outcome.reason);
        const int code = writeErrorCode(outcome.error);
        return code ? failed(item, code, outcome.reason) : XADNoError;
    }
    if (outcome.existing)
        return XADNoError;  // a folder that was there: merged into, not made
    addExtracted(outcome.path, item.type, outcome.size);
    job->addItems(1);
    if (delegate)
        delegate->simpleUnarchiver(*q, item, QDir(destination).filePath(item.name), XADNoError);
    return XADNoError;
}

// The file's bytes come with this link (cpio newc, crc): the earlier links,
// written empty, are given this file, and are listed with its size.
int XADSimpleUnarchiver::Private::writeLinkWithData(ArchiveReader &reader, EntryWriter &writer,
                                                    sw::FreeSpaceGuard &guard, archive_entry *entry,
                                                    const XADEntry &item, const QStringList &target)
{
    const QStringList parts = item.name.split(QLatin1Char('/'));
    const int result = writeData(reader, writer, guard, entry, item, parts);
    if (result != XADNoError)
        return result;
    const QStringList joined = writer.joinLinks(parts, target);
    const qint64 size = extracted.last().size;
    for (XADExtractedItem &done : extracted) {
        if (joined.contains(done.path))
            done.size = size;
    }
    return XADNoError;
}

int XADSimpleUnarchiver::Private::writeData(ArchiveReader &reader, EntryWriter &writer, sw::FreeSpaceGuard &guard,
                                            archive_entry *entry, const XADEntry &item, const QStringList &parts)
{
    if (!guard.roomFor(item.size))
        return failed(item, XADNoSpaceError, tr("Not enough free space"));
    EntryWriter::OpenFile file;
    const EntryWriter::Outcome created = writer.createFile(parts, file);
    for (const QString &folder : writer.takeNewFolders())
        addExtracted(folder, XADEntry::Type::Directory, 0);
    if (!created.ok) {
        addSkipped(item.name, created.reason);
        const int code = writeErrorCode(created.error);
        return code ? failed(item, code, created.reason) : XADNoError;
    }
    fileSize = item.size;
    qint64 fileProgress = 0;
    qint64 end = 0;
    if (const int code = copyData(reader, guard, file, item, fileProgress, end)) {
        writer.discardFile(file);
        return failed(item, code, errorDescription);
    }
    // A sparse entry may end in a hole that no block covers.
    const qint64 size = archive_entry_sparse_count(entry) > 0 && item.size > end ? item.size : end;
    // What the archive says the entry holds is what must be there: a reader
    // that ends an entry early (a volume missing, a method it half knows)
    // must not leave an empty or cut file behind as if it were extracted.
    if (item.size >= 0 && size != item.size) {
        writer.discardFile(file);
        return failed(item, XADDamagedError,
                      tr("%1 came out with %2 of its %3 bytes").arg(item.name).arg(size).arg(item.size));
    }
    const EntryWriter::Outcome finished =
        writer.finishFile(file, size, archive_entry_perm(entry),
                          archive_entry_mtime_is_set(entry) ? archive_entry_mtime(entry) : 0);
    if (!finished.ok)
        return failed(item, writeErrorCode(finished.error) ? writeErrorCode(finished.error) : XADWriteError,
                      finished.reason);
    addExtracted(finished.path, XADEntry::Type::File, size);
    job->addItems(1);
    noteProgress(item, fileProgress, reader);
    if (delegate)
        delegate->simpleUnarchiver(*q, item, QDir(destination).filePath(item.name), XADNoError);
    return XADNoError;
}

// The entry's blocks into file; end becomes where the reader says the entry
// ends, which may lie past the last block written (file.end). XADNoError,
// or the code of what stopped it (errorDescription says why).
int XADSimpleUnarchiver::Private::copyData(ArchiveReader &reader, sw::FreeSpaceGuard &guard,
                                           EntryWriter::OpenFile &file, const XADEntry &item, qint64 &fileProgress,
                                           qint64 &end)
{
    for (;;) {
        const void *data = nullptr;
        size_t size = 0;
        qint64 offset = 0;
        const int result = reader.readBlock(data, size, offset);
        if (result == ARCHIVE_EOF) {
            // The end's offset is where the entry ends: past a trailing hole
            // of a sparse entry (in every sparse form the reader knows).
            end = std::max(file.end, offset);
            return XADNoError;
        }
        // A bad checksum comes as a warning at the entry's end: damage too.
        if (result != ARCHIVE_OK)
            return readFailure(reader, item);
        if (job->isCancelled())
            return fail(XADBreakError, {});
        for (size_t done = 0; done < size;) {
            const ssize_t n = ::pwrite(file.fd, static_cast<const char *>(data) + done, size - done, offset + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int error = n < 0 ? errno : ENOSPC;
                const int code = writeErrorCode(error) ? writeErrorCode(error) : XADWriteError;
                return fail(code, code == XADNoSpaceError ? tr("Not enough free space")
                                                          : QString::fromLocal8Bit(std::strerror(error)));
            }
            done += size_t(n);
        }
        file.end = std::max(file.end, offset + qint64(size));
        fileProgress += qint64(size);
        written += qint64(size);
        job->setBytes(written);
        if (!guard.wrote(qint64(size)))
            return fail(XADNoSpaceError, tr("Not enough free space"));
        noteProgress(item, fileProgress, reader);
    }
}

// libarchive cannot tell a wrong key from damage behind it (a traditional
// zip key passes its check byte once in 256 tries), so any failure of an
// encrypted entry is put down to the password.
int XADSimpleUnarchiver::Private::readFailure(ArchiveReader &reader, const XADEntry &item)
{
    if (!item.encrypted || reader.stopped())
        return readerFailure(reader, XADDamagedError);
    // libarchive decrypts zip entries only; encrypted 7z and rar entries
    // are for the 7zz back-end.
    const int format = reader.format() & ARCHIVE_FORMAT_BASE_MASK;
    if (format != ARCHIVE_FORMAT_ZIP)
        return fail(XADNotSupportedError, tr("This archive format is not supported"));
    if (password.isEmpty())
        return fail(XADPasswordError, tr("Password required"));
    return fail(XADPasswordError, tr("Wrong password"));
}

void XADSimpleUnarchiver::Private::addExtracted(const QString &relative, XADEntry::Type type, qint64 size)
{
    if (type == XADEntry::Type::Directory) {
        if (extractedFolders.contains(relative))
            return;
        extractedFolders.insert(relative);
    }
    extracted.append({relative, type, size});
}

void XADSimpleUnarchiver::Private::noteProgress(const XADEntry &item, qint64 fileProgress, ArchiveReader &reader)
{
    if (!delegate || (written - lastReported < kProgressStep && fileProgress != fileSize))
        return;
    lastReported = written;
    if (totalSize > 0)
        delegate->simpleUnarchiver(*q, item, fileProgress, fileSize, std::min(written, totalSize), totalSize);
    else
        delegate->simpleUnarchiver(*q, item, fileProgress, fileSize, std::min(reader.position(), archiveSize),
                                   archiveSize);
}

// One item at the top: it was written straight into the destination and is
// the created item; a folder there also counts as the enclosing folder, so
// that a caller extracting into a folder of its own can lift it out.
void XADSimpleUnarchiver::Private::settleEnclosing(const QString &madeFolder)
{
    if (!madeFolder.isEmpty()) {
        enclosingName = madeFolder;
        createdItem = QDir(destination).filePath(madeFolder);
        return;
    }
    if (!intoEnclosing)
        return;
    QStringList tops;
    for (const XADExtractedItem &item : std::as_const(extracted)) {
        const QString top = item.path.section(QLatin1Char('/'), 0, 0);
        if (!tops.contains(top))
            tops.append(top);
    }
    if (tops.size() != 1)
        return;
    createdItem = QDir(destination).filePath(tops.first());
    struct stat st;
    if (::lstat(QFile::encodeName(createdItem).constData(), &st) == 0 && S_ISDIR(st.st_mode))
        enclosingName = tops.first();
}
