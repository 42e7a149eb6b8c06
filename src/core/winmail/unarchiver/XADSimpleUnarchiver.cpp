#include "XADSimpleUnarchiver.h"

#include "ArchiveReader.h"
#include "EntryNames.h"
#include "EntryPath.h"
#include "EntryWriter.h"
#include "FreeSpaceGuard.h"
#include "JobControl.h"
#include "TemporaryFolder.h"

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
// The delegate hears of progress at most once per this many bytes.
constexpr qint64 kProgressStep = 1 << 20;

QString tr(const char *text)
{
    return QCoreApplication::translate("XADSimpleUnarchiver", text);
}

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

}  // namespace

struct XADSimpleUnarchiver::Private
{
    XADSimpleUnarchiver *q = nullptr;
    QString path;
    ArchiveReader::Mode mode = ArchiveReader::Mode::Archive;
    XADSimpleUnarchiverDelegate *delegate = nullptr;
    sw::JobControl *job = &ownJob;
    sw::JobControl ownJob;

    bool skips = false, keepsMetadata = false, renames = false, overwrites = false;
    bool removesEnclosingForSolo = false, intoEnclosing = true, listsWholeStreams = false;

    QList<XADEntry> entries;
    QList<EntryNames::Name> names;  // raw names, entry by entry
    bool listingComplete = false;
    bool anyEncrypted = false;
    QString destination, enclosingName, createdItem;
    QString password, passwordEncoding;
    bool askedPassword = false;
    bool passphraseGiven = false;
    QString encoding = QStringLiteral("UTF-8");
    int confidence = 100;
    bool encodingChosen = false;
    QList<XADExtractedItem> extracted;
    QList<XADSkippedItem> skipped;
    QString errorDescription;

    int fail(int code, const QString &description)
    {
        errorDescription = description;
        return code;
    }
    void chooseEncoding();
    QString decode(const EntryNames::Name &name);
    int nameEntries(bool complete);
    XADEntry entryFor(archive_entry *entry, const EntryNames::Name &name);
    int list(ArchiveReader &reader);
    bool ensurePassword(ArchiveReader &reader);
    int extractAll(ArchiveReader &reader, int rootFd);
    int extractEntry(ArchiveReader &reader, EntryWriter &writer, sw::FreeSpaceGuard &guard, archive_entry *entry);
    int writeData(ArchiveReader &reader, EntryWriter &writer, sw::FreeSpaceGuard &guard, archive_entry *entry,
                  const XADEntry &item, const QStringList &parts);
    int readFailure(ArchiveReader &reader, const XADEntry &item);
    void addExtracted(const QString &relative, XADEntry::Type type, qint64 size);
    void addSkipped(const QString &name, const QString &reason)
    {
        skipped.append({name, reason});
    }
    void noteProgress(const XADEntry &item, qint64 fileProgress, ArchiveReader &reader);
    void settleEnclosing(const QString &madeFolder);

    qint64 written = 0;
    qint64 lastReported = 0;
    qint64 totalSize = -1;
    qint64 fileSize = 0;
    qint64 archiveSize = 0;
    QSet<QString> extractedFolders;
};

// --- creation and switches ------------------------------------------------

XADSimpleUnarchiver::XADSimpleUnarchiver() : d(std::make_unique<Private>())
{
    d->q = this;
}

XADSimpleUnarchiver::~XADSimpleUnarchiver() = default;

std::unique_ptr<XADSimpleUnarchiver> XADSimpleUnarchiver::simpleUnarchiverForPath(const QString &path, int *error)
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
    ArchiveReader::Mode mode = ArchiveReader::Mode::Archive;
    if (!ArchiveReader(path, mode).isOpen()) {
        mode = ArchiveReader::Mode::Stream;
        ArchiveReader stream(path, mode);
        if (!stream.isOpen())
            return refuse(stream.unreadable() ? XADOpenError : XADNotSupportedError);
    }
    std::unique_ptr<XADSimpleUnarchiver> unarchiver(new XADSimpleUnarchiver);
    unarchiver->d->path = path;
    unarchiver->d->mode = mode;
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

void XADSimpleUnarchiver::Private::chooseEncoding()
{
    encodingChosen = true;
    QList<QByteArray> undecided;
    for (const EntryNames::Name &name : std::as_const(names))
        if (!name.utf8)
            undecided.append(name.bytes);
    if (undecided.isEmpty())
        return;
    // Names that are not UTF-8 keep their bytes as %XX: no name is lost.
    encoding.clear();
    confidence = 0;
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

// --- listing --------------------------------------------------------------

int XADSimpleUnarchiver::parse()
{
    ArchiveReader reader(d->path, d->mode);
    if (!reader.isOpen())
        return d->fail(XADOpenError, reader.errorString());
    return d->list(reader);
}

int XADSimpleUnarchiver::Private::list(ArchiveReader &reader)
{
    entries.clear();
    names.clear();
    encodingChosen = false;
    listingComplete = false;
    anyEncrypted = false;
    qint64 contents = 0;
    archive_entry *entry = nullptr;
    for (;;) {
        if (job->isCancelled())
            return fail(XADBreakError, {});
        const ArchiveReader::Step step = reader.next(entry);
        if (step == ArchiveReader::Step::End)
            break;
        if (step == ArchiveReader::Step::Failed)
            return fail(XADDamagedError, reader.errorString());
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
    listingComplete = complete;
    if (!complete)
        return XADNoError;
    totalSize = 0;
    for (const XADEntry &item : std::as_const(entries))
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
    d->archiveSize = QFileInfo(d->path).size();
    const int destination = ::open(QFile::encodeName(d->destination).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (destination < 0)
        return d->fail(XADWriteError, QString::fromLocal8Bit(std::strerror(errno)));
    int root = destination;
    QString madeFolder;
    if (d->intoEnclosing && !d->removesEnclosingForSolo) {
        // Every entry goes into one new folder named after the archive.
        const QString name = withoutArchiveSuffix(QFileInfo(d->path).fileName(), false);
        madeFolder = QFileInfo(sw::TemporaryFolder::uniquePath(QDir(d->destination).filePath(name))).fileName();
        if (::mkdirat(destination, QFile::encodeName(madeFolder).constData(), 0755) == 0)
            root = ::openat(destination, QFile::encodeName(madeFolder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (root < 0 || root == destination) {
            ::close(destination);
            return d->fail(XADWriteError, QString::fromLocal8Bit(std::strerror(errno)));
        }
    }
    int result = XADOpenError;
    {
        ArchiveReader reader(d->path, d->mode);
        result = reader.isOpen() ? d->extractAll(reader, root) : d->fail(XADOpenError, reader.errorString());
    }
    if (root != destination)
        ::close(root);
    ::close(destination);
    d->settleEnclosing(madeFolder);
    return result;
}

// The password goes to this pass over the archive once; the delegate is
// asked for one at most once per unarchiver, when none was set.
bool XADSimpleUnarchiver::Private::ensurePassword(ArchiveReader &reader)
{
    if (passphraseGiven)
        return true;
    if (password.isEmpty() && !askedPassword && delegate) {
        askedPassword = true;
        if (!delegate->simpleUnarchiverNeedsPassword(*q))
            return false;
    }
    if (!password.isEmpty()) {
        QStringEncoder encoder(passwordEncoding.isEmpty() ? "UTF-8" : passwordEncoding.toLatin1().constData());
        reader.addPassphrase(encoder.isValid() ? QByteArray(encoder(password)) : password.toUtf8());
    }
    passphraseGiven = true;
    return true;
}

int XADSimpleUnarchiver::Private::extractAll(ArchiveReader &reader, int rootFd)
{
    passphraseGiven = false;
    if ((anyEncrypted || !password.isEmpty()) && !ensurePassword(reader))
        return fail(XADBreakError, {});
    EntryWriter writer(rootFd, {renames, overwrites && !renames, keepsMetadata});
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
        if (step == ArchiveReader::Step::End)
            break;
        if (step == ArchiveReader::Step::Failed) {
            result = fail(XADDamagedError, reader.errorString());
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

    EntryWriter::Outcome outcome;
    const mode_t perm = archive_entry_perm(entry);
    const time_t mtime = archive_entry_mtime_is_set(entry) ? archive_entry_mtime(entry) : 0;
    const EntryNames::Name linkName = EntryNames::hardLinkName(entry);
    if (!linkName.bytes.isEmpty()) {
        outcome = writer.hardLink(parts, EntryPath::components(decode(linkName)));
    } else if (item.type == XADEntry::Type::Directory) {
        outcome = writer.makeFolder(parts, perm, mtime);
    } else if (item.type == XADEntry::Type::Link) {
        writer.addLink(parts, decode(EntryNames::linkTarget(entry)));
        return XADNoError;
    } else if (item.type == XADEntry::Type::Other) {
        addSkipped(item.name, tr("special files (devices, FIFOs, sockets) are not extracted"));
        return XADNoError;
    } else {
        return writeData(reader, writer, guard, entry, item, parts);
    }
    for (const QString &folder : writer.takeNewFolders())
        addExtracted(folder, XADEntry::Type::Directory, 0);
    if (!outcome.ok) {
        addSkipped(item.name, outcome.reason);
        const int code = writeErrorCode(outcome.error);
        if (delegate && code)
            delegate->simpleUnarchiver(*q, item, to, code);
        return code ? fail(code, outcome.reason) : XADNoError;
    }
    addExtracted(outcome.path, item.type, 0);
    job->addItems(1);
    if (delegate)
        delegate->simpleUnarchiver(*q, item, to, XADNoError);
    return XADNoError;
}

int XADSimpleUnarchiver::Private::writeData(ArchiveReader &reader, EntryWriter &writer, sw::FreeSpaceGuard &guard,
                                            archive_entry *entry, const XADEntry &item, const QStringList &parts)
{
    const QString to = QDir(destination).filePath(item.name);
    const auto failed = [&](int code, const QString &description) {
        if (delegate)
            delegate->simpleUnarchiver(*q, item, to, code);
        return fail(code, description);
    };
    if (!guard.roomFor(item.size))
        return failed(XADNoSpaceError, tr("Not enough free space"));
    EntryWriter::OpenFile file;
    const EntryWriter::Outcome created = writer.createFile(parts, file);
    for (const QString &folder : writer.takeNewFolders())
        addExtracted(folder, XADEntry::Type::Directory, 0);
    if (!created.ok) {
        addSkipped(item.name, created.reason);
        const int code = writeErrorCode(created.error);
        return code ? failed(code, created.reason) : XADNoError;
    }
    fileSize = item.size;
    qint64 end = 0;
    qint64 fileProgress = 0;
    for (;;) {
        const void *data = nullptr;
        size_t size = 0;
        qint64 offset = 0;
        const int result = reader.readBlock(data, size, offset);
        if (result == ARCHIVE_EOF)
            break;
        // A bad checksum comes as a warning at the entry's end: damage too.
        if (result != ARCHIVE_OK) {
            writer.discardFile(file);
            const int code = readFailure(reader, item);
            return failed(code, errorDescription);
        }
        if (job->isCancelled()) {
            writer.discardFile(file);
            return failed(XADBreakError, {});
        }
        for (size_t done = 0; done < size;) {
            const ssize_t n = ::pwrite(file.fd, static_cast<const char *>(data) + done, size - done, offset + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                const int error = n < 0 ? errno : ENOSPC;
                writer.discardFile(file);
                const int code = writeErrorCode(error) ? writeErrorCode(error) : XADWriteError;
                return failed(code, code == XADNoSpaceError ? tr("Not enough free space")
                                                            : QString::fromLocal8Bit(std::strerror(error)));
            }
            done += size_t(n);
        }
        end = std::max(end, offset + qint64(size));
        fileProgress += qint64(size);
        written += qint64(size);
        job->setBytes(written);
        if (!guard.wrote(qint64(size))) {
            writer.discardFile(file);
            return failed(XADNoSpaceError, tr("Not enough free space"));
        }
        noteProgress(item, fileProgress, reader);
    }
    // A sparse entry may end in a hole that no block covers.
    const qint64 size = archive_entry_sparse_count(entry) > 0 && item.size > end ? item.size : end;
    const mode_t perm = archive_entry_perm(entry);
    const time_t mtime = archive_entry_mtime_is_set(entry) ? archive_entry_mtime(entry) : 0;
    const EntryWriter::Outcome finished = writer.finishFile(file, size, perm, mtime);
    if (!finished.ok)
        return failed(writeErrorCode(finished.error) ? writeErrorCode(finished.error) : XADWriteError, finished.reason);
    addExtracted(finished.path, XADEntry::Type::File, size);
    job->addItems(1);
    noteProgress(item, fileProgress, reader);
    if (delegate)
        delegate->simpleUnarchiver(*q, item, to, XADNoError);
    return XADNoError;
}

// libarchive cannot tell a wrong key from damage behind it (a traditional
// zip key passes its check byte once in 256 tries), so any failure of an
// encrypted entry is put down to the password.
int XADSimpleUnarchiver::Private::readFailure(ArchiveReader &reader, const XADEntry &item)
{
    if (!item.encrypted)
        return fail(XADDamagedError, reader.errorString());
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
