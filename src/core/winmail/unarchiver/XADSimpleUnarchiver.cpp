// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/unarchiver/XADSimpleUnarchiver.h"

#include "core/winmail/names/EncodingChoice.h"
#include "core/winmail/names/EncodingList.h"
#include "core/winmail/names/XADString.h"
#include "core/winmail/sevenzip/SevenZipProcess.h"
#include "core/winmail/unarchiver/EntryPath.h"
#include "core/winmail/unarchiver/TemporaryFolder.h"
#include "core/winmail/unarchiver/XADSimpleUnarchiverPrivate.h"
#include "core/winmail/unarchiver/ZipNameOrigin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringEncoder>

#include <archive.h>
#include <archive_entry.h>

#include <fcntl.h>
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


// Reading a compressed stream's listing means decompressing it; parse()
// stops listing after this many bytes of contents and leaves the rest of
// the listing to unarchive(), which reads the stream once anyway.
constexpr qint64 kStreamListingBudget = 64 << 20;

XADEntry::Type typeOf(archive_entry *entry)
{
    if (archive_entry_hardlink(entry) || archive_entry_hardlink_utf8(entry))
        return XADEntry::Type::File;
    switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
        return XADEntry::Type::File;
    case AE_IFDIR:
        return XADEntry::Type::Directory;
    case AE_IFLNK:
        return XADEntry::Type::Link;
    default:
        return XADEntry::Type::Other;
    }
}

// "photos.tar.gz" -> "photos"; "notes.txt.xz" -> "notes.txt".
QString withoutArchiveSuffix(const QString &fileName, bool compressionOnly)
{
    static const QStringList compressions = {
        QStringLiteral("gz"),   QStringLiteral("gzip"), QStringLiteral("bz2"),  QStringLiteral("bzip2"),
        QStringLiteral("bz"),   QStringLiteral("xz"),   QStringLiteral("lzma"), QStringLiteral("z"),
        QStringLiteral("lz4"),  QStringLiteral("zst"),  QStringLiteral("zstd"), QStringLiteral("lz"),
        QStringLiteral("lzo"),  QStringLiteral("tgz"),  QStringLiteral("tbz2"), QStringLiteral("tbz"),
        QStringLiteral("txz"),  QStringLiteral("taz")};
    QString name = fileName;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && (!compressionOnly || compressions.contains(name.mid(dot + 1).toLower())))
        name.truncate(dot);
    if (!compressionOnly && name.endsWith(QLatin1String(".tar"), Qt::CaseInsensitive))
        name.chop(4);
    return name.isEmpty() ? QStringLiteral("data") : name;
}

// What libarchive makes of a file: an archive it reads, one compressed
// stream, an archive it may not read (the listing fails or is empty, or the
// entries are encrypted in a format it decrypts only for zip), nothing it
// knows, or a file that cannot be read at all.
enum class Reading { Archive, Stream, Beyond, Unknown, Unreadable, Stopped, Cancelled };

// A tar that ends before any entry: a tar with headers of its own and no
// entry (a volume label alone: a label is no entry) rather than what starts
// with the zeros of a tar's end, as a disk image may. The format read more
// than the two zero blocks of the end.
bool isEmptyTar(const ArchiveReader &reader)
{
    constexpr qint64 kTarEnd = 2 * 512;
    return (reader.format() & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_TAR && reader.streamPosition() > kTarEnd;
}

Reading libarchiveReading(const QString &path, sw::JobControl *job, QString *why)
{
    const auto stopped = [why](const ArchiveReader &reader) {
        if (why)
            *why = reader.errorString();
        return reader.cancelled() ? Reading::Cancelled : Reading::Stopped;
    };
    {
        ArchiveReader reader(path, ArchiveReader::Mode::Archive, job);
        if (reader.isOpen()) {
            reader.readHeadersOnly();
            // Up to the first entry with data (folders cost nothing to pass):
            // whether it is encrypted tells for the archive.
            archive_entry *entry = nullptr;
            ArchiveReader::Step step = reader.next(entry);
            while (step == ArchiveReader::Step::Entry && archive_entry_filetype(entry) == AE_IFDIR)
                step = reader.next(entry);
            if (reader.stopped())
                return stopped(reader);
            if (step == ArchiveReader::Step::End && isEmptyTar(reader))
                return Reading::Archive;
            // Nothing at all may also be a format libarchive does not know
            // that starts with what looks like the end of a tar (a disk image).
            if (step == ArchiveReader::Step::Failed || step == ArchiveReader::Step::End)
                return Reading::Beyond;
            const int format = reader.format() & ARCHIVE_FORMAT_BASE_MASK;
            // 7-Zip's own program decodes a 7z's blocks on every core,
            // libarchive on one: it takes them all when it is installed.
            if (format == ARCHIVE_FORMAT_7ZIP && !sw::SevenZipProcess::program().isEmpty())
                return Reading::Beyond;
            const bool encrypted = archive_entry_is_encrypted(entry) || reader.hasEncryptedEntries();
            return encrypted && format != ARCHIVE_FORMAT_ZIP ? Reading::Beyond : Reading::Archive;
        }
        if (reader.stopped())
            return stopped(reader);
    }
    ArchiveReader stream(path, ArchiveReader::Mode::Stream, job);
    if (stream.stopped())
        return stopped(stream);
    if (stream.isOpen())
        return Reading::Stream;
    return stream.unreadable() ? Reading::Unreadable : Reading::Unknown;
}

}  // namespace


// --- creation and switches ------------------------------------------------

XADSimpleUnarchiver::XADSimpleUnarchiver() : d(std::make_unique<Private>())
{
    d->q = this;
}

XADSimpleUnarchiver::~XADSimpleUnarchiver() = default;

std::unique_ptr<XADSimpleUnarchiver> XADSimpleUnarchiver::simpleUnarchiverForPath(const QString &path, int *error,
                                                                                     sw::JobControl *job,
                                                                                     QString *description)
{
    const auto refuse = [error](int code) {
        if (error)
            *error = code;
        return std::unique_ptr<XADSimpleUnarchiver>();
    };
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)
        || ::access(QFile::encodeName(path).constData(), R_OK) != 0)
        return refuse(XADOpenError);
    std::unique_ptr<XADSimpleUnarchiver> unarchiver(new XADSimpleUnarchiver);
    unarchiver->d->path = path;
    unarchiver->setJob(job);
    const Reading reading = libarchiveReading(path, job, description);
    if (reading == Reading::Unreadable)
        return refuse(XADOpenError);
    // A reader that had to be stopped on the file: damaged (or the user
    // gave up on it), and 7zz is not let loose on it either.
    if (reading == Reading::Stopped || reading == Reading::Cancelled)
        return refuse(reading == Reading::Stopped ? XADDamagedError : XADBreakError);
    if (reading == Reading::Stream)
        unarchiver->d->mode = ArchiveReader::Mode::Stream;
    if (reading == Reading::Beyond || reading == Reading::Unknown) {
        if (unarchiver->d->chooseSevenZip()) {
            unarchiver->d->sevenZip = true;
        } else if (reading == Reading::Unknown) {
            return refuse(XADNotSupportedError);
        }
        // Else libarchive it is, and it tells what is wrong.
    }
    if (error)
        *error = XADNoError;
    return unarchiver;
}

void XADSimpleUnarchiver::setDelegate(XADSimpleUnarchiverDelegate *delegate) { d->delegate = delegate; }
void XADSimpleUnarchiver::setJob(sw::JobControl *job) { d->job = job ? job : &d->ownJob; }
void XADSimpleUnarchiver::setAlwaysSkipsFiles(bool on) { d->skips = on; }
void XADSimpleUnarchiver::setPropagatesRelevantMetadata(bool on) { d->keepsMetadata = on; }
void XADSimpleUnarchiver::setAlwaysRenamesFiles(bool on) { d->renames = on; }
// Times of the enclosing folder and of solo items: the extracted items keep
// their own times (with metadata on); the archive's own time is not copied.
void XADSimpleUnarchiver::setCopiesArchiveModificationTimeToEnclosingDirectory(bool) {}
void XADSimpleUnarchiver::setCopiesArchiveModificationTimeToSoloItems(bool) {}
void XADSimpleUnarchiver::setResetsDateForSoloItems(bool) {}
void XADSimpleUnarchiver::setAlwaysOverwritesFiles(bool on) { d->overwrites = on; }
void XADSimpleUnarchiver::setRemovesEnclosingDirectoryForSoloItems(bool on) { d->removesEnclosingForSolo = on; }
void XADSimpleUnarchiver::setExtractsIntoEnclosingDirectory(bool on) { d->intoEnclosing = on; }
void XADSimpleUnarchiver::setListsWholeStreams(bool on) { d->listsWholeStreams = on; }

const QList<XADEntry> &XADSimpleUnarchiver::entries() const { return d->entries; }
bool XADSimpleUnarchiver::listingIsComplete() const { return d->listingComplete; }
void XADSimpleUnarchiver::setDestination(const QString &folder) { d->destination = folder; }
QString XADSimpleUnarchiver::destination() const { return d->destination; }
QString XADSimpleUnarchiver::enclosingDirectoryName() const { return d->enclosingName; }
QString XADSimpleUnarchiver::createdItem() const { return d->createdItem; }
void XADSimpleUnarchiver::setPassword(const QString &password) { d->password = password; }
QString XADSimpleUnarchiver::password() const { return d->password; }
void XADSimpleUnarchiver::setPasswordEncodingName(const QString &encodingName) { d->passwordEncoding = encodingName; }
QString XADSimpleUnarchiver::encodingName() const { return d->encoding; }
int XADSimpleUnarchiver::encodingConfidence() const { return d->confidence; }
const QList<XADExtractedItem> &XADSimpleUnarchiver::extractedItems() const { return d->extracted; }
const QList<XADSkippedItem> &XADSimpleUnarchiver::skippedItems() const { return d->skipped; }
QString XADSimpleUnarchiver::errorDescription() const { return d->errorDescription; }

QString XADSimpleUnarchiver::_findUniquePathForOriginalPath(const QString &path)
{
    return sw::TemporaryFolder::uniquePath(path);
}

// --- names ----------------------------------------------------------------

// The names that are not UTF-8 are decoded in one encoding, chosen over all
// of them together: the delegate's answer, or else the detector's.
void XADSimpleUnarchiver::Private::chooseEncoding()
{
    QList<QByteArray> undecided;
    for (const EntryNames::Name &name : std::as_const(names))
        if (!name.utf8)
            undecided.append(name.bytes);
    // All UTF-8 so far: a later name that is not (past a partial listing)
    // makes the choice then.
    if (undecided.isEmpty())
        return;
    encodingChosen = true;
    const bool zip = (format & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP;
    const XADString string(undecided, zip && sw::ZipNameOrigin::namesFromDos(path));
    QString chosen = delegate ? delegate->simpleUnarchiver(*q, string) : QString();
    if (sw::EncodingList::standardName(chosen).isEmpty())
        chosen = sw::EncodingChoice::choose(string, QString(), qint64(0));
    encoding = chosen;
    const bool detected = sw::EncodingList::standardName(chosen) == sw::EncodingList::standardName(string.encoding());
    confidence = detected ? qRound(string.confidence() * 100) : 0;
}

QString XADSimpleUnarchiver::Private::decode(const EntryNames::Name &name)
{
    if (!name.utf8 && !encodingChosen)
        chooseEncoding();
    return EntryNames::decode(name, encoding);
}

XADEntry XADSimpleUnarchiver::Private::entryFor(archive_entry *entry, const EntryNames::Name &name)
{
    XADEntry item;
    item.rawName = name.bytes;
    item.type = typeOf(entry);
    item.size = archive_entry_size_is_set(entry) ? qint64(archive_entry_size(entry)) : -1;
    item.encrypted = archive_entry_is_encrypted(entry);
    // A compressed stream is one file, named after the archive.
    if (mode == ArchiveReader::Mode::Stream)
        item.name = withoutArchiveSuffix(QFileInfo(path).fileName(), true);
    else if (encodingChosen || name.utf8)
        item.name = EntryPath::safe(decode(name));
    return item;
}

// A free name in the destination for the folder named after the archive.
QString XADSimpleUnarchiver::Private::enclosingFolderName() const
{
    const QString name = withoutArchiveSuffix(QFileInfo(path).fileName(), false);
    return QFileInfo(sw::TemporaryFolder::uniquePath(QDir(destination).filePath(name))).fileName();
}

// --- listing --------------------------------------------------------------

int XADSimpleUnarchiver::parse()
{
    if (d->sevenZip)
        return d->parseWithSevenZip();
    ArchiveReader reader(d->path, d->mode, d->job);
    if (!reader.isOpen())
        return d->readerFailure(reader, XADOpenError);
    return d->list(reader);
}

int XADSimpleUnarchiver::Private::list(ArchiveReader &reader)
{
    entries.clear();
    names.clear();
    encodingChosen = false;
    encoding = QStringLiteral("UTF-8");
    confidence = 100;
    listingComplete = false;
    anyEncrypted = false;
    qint64 contents = 0;
    // Only the headers of a compressed stream lie behind the data before
    // them, which is read then; elsewhere the data is never needed here.
    if (mode == ArchiveReader::Mode::Stream || !reader.isCompressedStream())
        reader.readHeadersOnly();
    archive_entry *entry = nullptr;
    for (;;) {
        if (job->isCancelled())
            return fail(XADBreakError, {});
        const ArchiveReader::Step step = reader.next(entry);
        format = reader.format();
        if (step == ArchiveReader::Step::End)
            break;
        if (step == ArchiveReader::Step::Failed)
            return readerFailure(reader, XADDamagedError);
        const EntryNames::Name name = EntryNames::pathName(entry);
        names.append(name);
        entries.append(entryFor(entry, name));
        anyEncrypted = anyEncrypted || entries.last().encrypted;
        if (mode == ArchiveReader::Mode::Stream)
            break;  // one entry, always
        if (!reader.isCompressedStream())
            continue;  // the next header is a seek away
        // Headers of a compressed stream lie behind the data before them:
        // read through it, but only so far.
        const void *data = nullptr;
        size_t size = 0;
        qint64 offset = 0;
        while (reader.readBlock(data, size, offset) == ARCHIVE_OK && size > 0) {
            contents += qint64(size);
            if ((contents > kStreamListingBudget && !listsWholeStreams) || job->isCancelled())
                return nameEntries(false);
        }
        if (reader.stopped())
            return readerFailure(reader, XADDamagedError);
    }
    return nameEntries(true);
}

// The encoding is chosen from every name listed, then each name decoded.
int XADSimpleUnarchiver::Private::nameEntries(bool complete)
{
    chooseEncoding();
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (mode == ArchiveReader::Mode::Archive)
            entries[i].name = EntryPath::safe(decode(names.at(i)));
    // The archive's own top folder ("./", an image's root) is no item.
    for (qsizetype i = entries.size() - 1; i >= 0; --i)
        if (entries.at(i).name.isEmpty() && entries.at(i).type == XADEntry::Type::Directory
            && !decode(names.at(i)).split(QLatin1Char('/')).contains(QLatin1String("..")))
            entries.removeAt(i);
    listingComplete = complete;
    if (!complete)
        return XADNoError;
    totalSize = 0;
    for (const XADEntry &item : std::as_const(entries))
        if (item.type == XADEntry::Type::File)
            totalSize = item.size >= 0 && totalSize >= 0 ? totalSize + item.size : -1;
    return XADNoError;
}

// --- extraction -----------------------------------------------------------

int XADSimpleUnarchiver::unarchive()
{
    d->extracted.clear();
    d->skipped.clear();
    d->enclosingName.clear();
    d->createdItem.clear();
    d->errorDescription.clear();
    d->extractedFolders.clear();
    d->written = d->lastReported = 0;
    if (d->sevenZip)
        return d->unarchiveWithSevenZip();
    d->archiveSize = QFileInfo(d->path).size();
    const int destination = ::open(QFile::encodeName(d->destination).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (destination < 0)
        return d->fail(XADWriteError, QString::fromLocal8Bit(std::strerror(errno)));
    int root = destination;
    QString madeFolder;
    if (d->intoEnclosing && !d->removesEnclosingForSolo) {
        // Every entry goes into one new folder named after the archive.
        madeFolder = d->enclosingFolderName();
        if (::mkdirat(destination, QFile::encodeName(madeFolder).constData(), 0755) == 0)
            root = ::openat(destination, QFile::encodeName(madeFolder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (root < 0 || root == destination) {
            ::close(destination);
            return d->fail(XADWriteError, QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    int result = XADOpenError;
    {
        ArchiveReader reader(d->path, d->mode, d->job);
        result = reader.isOpen() ? d->extractAll(reader, root) : d->readerFailure(reader, XADOpenError);
    }
    if (root != destination)
        ::close(root);
    ::close(destination);
    d->settleEnclosing(madeFolder);
    return result;
}

// The password goes to this pass over the archive once; the delegate is
// asked for one when none was set, and again for as long as the one it
// gives proves wrong.
bool XADSimpleUnarchiver::Private::ensurePassword(ArchiveReader &reader)
{
    if (passphraseGiven)
        return true;
    if (password.isEmpty() && !askedPassword && delegate) {
        askedPassword = true;
        if (!delegate->simpleUnarchiverNeedsPassword(*q))
            return false;
        while (probePassword() == Probe::Wrong) {
            if (replaceWrongPassword() != XADNoError)
                return false;
        }
    }
    if (!password.isEmpty())
        reader.addPassphrase(encodedPassword());
    passphraseGiven = true;
    return true;
}

QByteArray XADSimpleUnarchiver::Private::encodedPassword() const
{
    QStringEncoder encoder(passwordEncoding.isEmpty() ? "UTF-8" : passwordEncoding.toLatin1().constData());
    return encoder.isValid() ? QByteArray(encoder(password)) : password.toUtf8();
}

// Reads the first encrypted file with the password, on a pass of its own,
// before anything is written: a wrong password is then told while the
// user can still give another. libarchive checks a zip key against one or
// two bytes of the entry's header, which a wrong key passes once in 256 (or
// 65536) tries; reading the entry whole where it is small checks its CRC
// too. Only zip entries are decrypted here (others go to 7zz).
XADSimpleUnarchiver::Private::Probe XADSimpleUnarchiver::Private::probePassword()
{
    constexpr qint64 kProbeBytes = 4 << 20;
    if ((format & ARCHIVE_FORMAT_BASE_MASK) != ARCHIVE_FORMAT_ZIP)
        return Probe::Unknown;
    ArchiveReader reader(path, mode, job);
    if (!reader.isOpen())
        return Probe::Unknown;
    if (!password.isEmpty())
        reader.addPassphrase(encodedPassword());
    archive_entry *entry = nullptr;
    while (reader.next(entry) == ArchiveReader::Step::Entry) {
        if (!archive_entry_is_encrypted(entry) || typeOf(entry) != XADEntry::Type::File)
            continue;
        for (qint64 read = 0; read < kProbeBytes;) {
            const void *data = nullptr;
            size_t size = 0;
            qint64 offset = 0;
            const int result = reader.readBlock(data, size, offset);
            if (result == ARCHIVE_EOF)
                return Probe::Right;
            if (result != ARCHIVE_OK)
                return reader.stopped() ? Probe::Unknown : Probe::Wrong;
            read += qint64(size);
        }
        return Probe::Right;
    }
    return Probe::Unknown;
}

int XADSimpleUnarchiver::Private::replaceWrongPassword()
{
    errorDescription = tr("Wrong password");
    if (!askedPassword || !delegate)
        return XADPasswordError;
    if (!delegate->simpleUnarchiverNeedsPassword(*q))
        return fail(XADBreakError, {});
    errorDescription.clear();
    return XADNoError;
}

int XADSimpleUnarchiver::Private::extractAll(ArchiveReader &reader, int rootFd)
{
    passphraseGiven = false;
    if ((anyEncrypted || !password.isEmpty()) && !ensurePassword(reader))
        return fail(XADBreakError, {});
    EntryWriter writer(rootFd, {renames, overwrites && !renames && !skips, keepsMetadata});
    sw::FreeSpaceGuard guard(rootFd);
    totalSize = listingComplete && totalSize > 0 ? totalSize : -1;
    int result = XADNoError;
    archive_entry *entry = nullptr;
    for (qsizetype index = 0; result == XADNoError; ++index) {
        if (job->isCancelled()) {
            result = fail(XADBreakError, {});
            break;
        }
        const ArchiveReader::Step step = reader.next(entry);
        format = reader.format();
        if (step == ArchiveReader::Step::End)
            break;
        if (step == ArchiveReader::Step::Failed) {
            result = readerFailure(reader, XADDamagedError);
            break;
        }
        if (index >= names.size())
            names.append(EntryNames::pathName(entry));
        result = extractEntry(reader, writer, guard, entry);
    }
    // Links last: from here on nothing is written through any of them.
    const QList<EntryWriter::Outcome> links = writer.finishLinks();
    for (const EntryWriter::Outcome &outcome : links) {
        if (outcome.ok)
            addExtracted(outcome.path, XADEntry::Type::Link, 0);
        else
            addSkipped(outcome.path, outcome.reason);
    }
    for (const QString &folder : writer.takeNewFolders())
        addExtracted(folder, XADEntry::Type::Directory, 0);
    writer.finishFolders();
    return result;
}
