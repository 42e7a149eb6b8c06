// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/ORFileDataCollection.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/LogCategory.h"
#include "core/platform/TemporaryBase.h"
#include "core/winmail/ORWinmailCore.h"
#include "core/winmail/unarchiver/TemporaryFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>

namespace {

Q_LOGGING_CATEGORY(lcArchive, "sweepwright.archive", sw::logThreshold(QtInfoMsg))

const char *const kFailureText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "Unarchive error or password error, try again!");
const char *const kUnsupportedText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "This archive format is not supported");
const char *const kNoSpaceText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "Not enough free space");

QString translated(const char *text)
{
    return QCoreApplication::translate("ORFileIntroViewCter", text);
}

// The context of this file's own texts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ORFileDataCollection)
};

bool isHiddenSystemEntry(const QString &name)
{
    return name == QLatin1String(".DS_Store");
}

// A failure whose words are the message too (a TMPDIR that cannot be used).
sw::ExtractionOutcome failureSaying(const QString &text)
{
    sw::ExtractionOutcome outcome;
    outcome.error = XADSimpleUnarchiver::XADWriteError;
    outcome.message = text;
    outcome.detail = text;
    return outcome;
}

sw::ExtractionOutcome failure(int error, const QString &detail)
{
    sw::ExtractionOutcome outcome;
    outcome.error = error;
    outcome.detail = detail;
    switch (error) {
    case XADSimpleUnarchiver::XADBreakError:
        outcome.status = sw::ExtractionOutcome::Status::Abandoned;
        break;
    case XADSimpleUnarchiver::XADNotSupportedError:
        outcome.status = sw::ExtractionOutcome::Status::Unsupported;
        outcome.message = translated(kUnsupportedText);
        break;
    case XADSimpleUnarchiver::XADNoSpaceError:
        outcome.message = translated(kNoSpaceText);
        break;
    default:
        outcome.message = translated(kFailureText);
        break;
    }
    return outcome;
}

// Every item below folder, links not followed, paths relative to it.
QList<XADExtractedItem> listItems(const QString &folder)
{
    QList<XADExtractedItem> items;
    const qsizetype prefix = folder.size() + 1;
    sw::FolderWalker walker;
    walker.walk(folder, [&](const sw::FolderWalker::Entry &entry) {
        XADExtractedItem item;
        item.path = entry.path().mid(prefix);
        if (S_ISDIR(entry.st.st_mode))
            item.type = XADEntry::Type::Directory;
        else if (S_ISLNK(entry.st.st_mode))
            item.type = XADEntry::Type::Link;
        else
            item.size = entry.st.st_size;
        items.append(item);
        return sw::FolderWalker::Step::Next;
    });
    return items;
}

}  // namespace

ORFileDataCollection &ORFileDataCollection::shareInstance()
{
    static ORFileDataCollection collection;
    return collection;
}

sw::ExtractionOutcome ORFileDataCollection::extract(const sw::ExtractionRequest &request,
                                                    const PasswordPrompt &password, sw::JobControl &job)
{
    startOver();
    {
        QMutexLocker lock(&m_mutex);
        m_fileArray = {request.source};
    }
    std::optional<QString> opened;
    sw::ExtractionOutcome outcome = run(request, password, job, &opened);
    if (outcome.status != sw::ExtractionOutcome::Status::Extracted || request.listOnly)
        return outcome;
    // The result is built when first asked for (fileData()): the command
    // line never asks, and a tree of every item costs a walk of them all.
    const std::optional<sw::FileIdentity> made =
        outcome.temporaryFolder.isEmpty()
            ? std::nullopt
            : sw::FileIdentity::of(AT_FDCWD, QFile::encodeName(outcome.temporaryFolder).constData());
    QMutexLocker lock(&m_mutex);
    m_desPath = outcome.destination;
    if (made) {
        m_temporary = outcome.temporaryFolder;
        m_temporaryId = *made;
    }
    m_password = opened;
    m_encoding = request.encoding;
    m_encrypted = outcome.encrypted;
    return outcome;
}

sw::ExtractionOutcome ORFileDataCollection::extractTo(const QString &destination, bool ownsDestination,
                                                      sw::JobControl &job)
{
    sw::ExtractionRequest request;
    std::optional<QString> password;
    {
        QMutexLocker lock(&m_mutex);
        request.source = m_fileArray.value(0);
        request.encoding = m_encoding;
        password = m_password;
    }
    request.destination = destination;
    request.ownsDestination = ownsDestination;
    // The password that opened the archive, once: should it fail now (the
    // file changed meanwhile) the extraction fails rather than asking.
    bool given = false;
    const PasswordPrompt prompt = [&password, &given](const QString &) {
        return std::exchange(given, true) ? std::nullopt : password;
    };
    return run(request, prompt, job);
}

sw::ExtractionOutcome ORFileDataCollection::run(const sw::ExtractionRequest &request, const PasswordPrompt &prompt,
                                                sw::JobControl &job, std::optional<QString> *password)
{
    sw::ExtractionOutcome outcome = isWinmailPath(request.source) ? extractWinmailFile(request)
                                                                  : extractArchive(request, prompt, job, password);
    using Status = sw::ExtractionOutcome::Status;
    // A folder made for this run goes with a run that failed, whatever it
    // wrote there (a cancelled run keeps what it wrote, as it was asked to).
    if ((outcome.status == Status::Failed || outcome.status == Status::Unsupported) && request.ownsDestination) {
        sw::TemporaryFolder::discard(request.destination);
        outcome.destination.clear();
        outcome.items.clear();
    }
    return outcome;
}

sw::ExtractionOutcome ORFileDataCollection::extractWinmailFile(const sw::ExtractionRequest &request)
{
    if (request.listOnly)
        return failure(XADSimpleUnarchiver::XADNotSupportedError,
                       Text::tr("A winmail file is listed only by decoding it"));
    QString error;
    QString made;
    const QString folder = extractWinmail(request.source, request.destination, &error, &made);
    if (folder.isEmpty())
        return failureSaying(error.isEmpty() ? Text::tr("Cannot create the folder") : error);
    if (!ORWinmailCore::extractWinmailDatFromPathWithURL(QUrl::fromLocalFile(request.source),
                                                         QUrl::fromLocalFile(folder))) {
        sw::ExtractionOutcome failed = failure(XADSimpleUnarchiver::XADDamagedError,
                                               Text::tr("Not a winmail.dat file, or a damaged one"));
        // A folder of our own goes with whatever the decoder left in it;
        // in a folder the user named, what was written is listed.
        if (request.destination.isEmpty()) {
            sw::TemporaryFolder::discard(made);
        } else {
            failed.destination = folder;
            failed.items = listItems(folder);
        }
        return failed;
    }
    sw::ExtractionOutcome outcome;
    outcome.status = sw::ExtractionOutcome::Status::Extracted;
    outcome.destination = folder;
    outcome.temporaryFolder = made;
    outcome.items = listItems(folder);
    return outcome;
}

sw::ExtractionOutcome ORFileDataCollection::extractArchive(const sw::ExtractionRequest &request,
                                                           const PasswordPrompt &password, sw::JobControl &job,
                                                           std::optional<QString> *used)
{
    const bool temporary = request.destination.isEmpty() && !request.listOnly;
    // A TMPDIR that cannot take the folder is told before anything is asked.
    if (const sw::TemporaryBase::Result base = sw::TemporaryBase::resolve(); temporary && !base.ok())
        return failureSaying(base.error);
    int error = XADSimpleUnarchiver::XADNoError;
    QString why;
    std::unique_ptr<XADSimpleUnarchiver> unarchiver =
        XADSimpleUnarchiver::simpleUnarchiverForPath(request.source, &error, &job, &why);
    if (!unarchiver) {
        qCInfo(lcArchive, "Error -----------> %s", qUtf8Printable(request.source));
        return failure(error, error == XADSimpleUnarchiver::XADOpenError           ? Text::tr("Cannot read the file")
                              : error == XADSimpleUnarchiver::XADNotSupportedError ? translated(kUnsupportedText)
                                                                                     : why);
    }
    sw::ExtractionDelegate delegate(request.encoding, password, job);
    unarchiver->setDelegate(&delegate);
    unarchiver->setJob(&job);
    unarchiver->setAlwaysSkipsFiles(true);
    unarchiver->setPropagatesRelevantMetadata(true);
    unarchiver->setAlwaysRenamesFiles(true);
    unarchiver->setCopiesArchiveModificationTimeToEnclosingDirectory(false);
    unarchiver->setCopiesArchiveModificationTimeToSoloItems(false);
    unarchiver->setResetsDateForSoloItems(false);

    error = unarchiver->parse();
    if (error != XADSimpleUnarchiver::XADNoError) {
        qCInfo(lcArchive, error == XADSimpleUnarchiver::XADBreakError ? "XADBreakError error---------"
                                                                       : "Password error---------");
        return failure(error, unarchiver->errorDescription());
    }
    sw::ExtractionOutcome outcome;
    outcome.status = sw::ExtractionOutcome::Status::Extracted;
    outcome.encoding = unarchiver->encodingName();
    outcome.encodingConfidence = unarchiver->encodingConfidence();
    if (request.listOnly) {
        outcome.entries = unarchiver->entries();
        return outcome;
    }

    unarchiveInto(*unarchiver, request, outcome);
    outcome.encrypted = delegate.password().has_value()
                        || std::any_of(unarchiver->entries().cbegin(), unarchiver->entries().cend(),
                                       [](const XADEntry &entry) { return entry.encrypted; });
    if (used)
        *used = delegate.password();
    return outcome;
}

void ORFileDataCollection::unarchiveInto(XADSimpleUnarchiver &unarchiver, const sw::ExtractionRequest &request,
                                         sw::ExtractionOutcome &outcome)
{
    const bool temporary = request.destination.isEmpty();
    QString problem;
    const QString destination = temporary ? sw::TemporaryFolder::make(QStringLiteral("unarchiver"), &problem)
                                          : request.destination;
    if (destination.isEmpty()) {
        outcome = failureSaying(problem);
        return;
    }
    unarchiver.setDestination(destination);
    // A fresh temporary folder holds nothing to overwrite; a folder the
    // user named may, and nothing of theirs is written over.
    unarchiver.setAlwaysOverwritesFiles(temporary);
    // In a temporary folder the entries go into a folder named after the
    // archive, which is what the pages show: the folder's own random name
    // never does.
    unarchiver.setRemovesEnclosingDirectoryForSoloItems(false);
    unarchiver.setExtractsIntoEnclosingDirectory(temporary);
    const int error = unarchiver.unarchive();
    outcome.items = unarchiver.extractedItems();
    outcome.skipped = unarchiver.skippedItems();
    outcome.destination = temporary ? unarchiver.createdItem() : destination;
    if (temporary)
        outcome.temporaryFolder = destination;
    if (error != XADSimpleUnarchiver::XADNoError) {
        qCInfo(lcArchive, "unarchive error---------");
        sw::ExtractionOutcome failed = failure(error, unarchiver.errorDescription());
        failed.encoding = outcome.encoding;
        failed.encodingConfidence = outcome.encodingConfidence;
        failed.skipped = outcome.skipped;
        // Nobody would find what stays in a temporary folder of ours: it
        // goes. In a folder the user named, what was written whole stays.
        if (temporary) {
            sw::TemporaryFolder::discard(destination);
        } else {
            failed.destination = destination;
            failed.items = outcome.items;
        }
        outcome = failed;
    }
}

std::shared_ptr<ORFileData> ORFileDataCollection::fileData()
{
    QMutexLocker lock(&m_mutex);
    if (!m_fileData && !m_desPath.isEmpty()) {
        lock.unlock();
        obtainData();
        lock.relock();
    }
    m_tmpFileData = m_fileData;
    return m_fileData;
}

std::shared_ptr<ORFileData> ORFileDataCollection::tmpFileData() const
{
    QMutexLocker lock(&m_mutex);
    return m_tmpFileData;
}

std::shared_ptr<const ORFileTreeNode> ORFileDataCollection::treeNode()
{
    fileData();
    QMutexLocker lock(&m_mutex);
    return m_treeNode;
}

QStringList ORFileDataCollection::fileArray() const
{
    QMutexLocker lock(&m_mutex);
    return m_fileArray;
}

QString ORFileDataCollection::desPath() const
{
    QMutexLocker lock(&m_mutex);
    return m_desPath;
}

bool ORFileDataCollection::isEncrypted() const
{
    QMutexLocker lock(&m_mutex);
    return m_encrypted;
}

void ORFileDataCollection::startOver()
{
    QMutexLocker lock(&m_mutex);
    m_fileArray.clear();
    m_desPath.clear();
    m_fileData.reset();
    m_tmpFileData.reset();
    m_treeNode.reset();
    m_password.reset();
    m_encoding.clear();
    m_encrypted = false;
    const QString temporary = std::exchange(m_temporary, QString());
    const sw::FileIdentity made = m_temporaryId;
    lock.unlock();
    if (!temporary.isEmpty())
        sw::TemporaryFolder::discard(temporary, made);
}

int ORFileDataCollection::removeAbandonedExtractions()
{
    return sw::TemporaryFolder::removeAbandoned({QStringLiteral("unarchiver"), QStringLiteral("winmail")});
}

void ORFileDataCollection::obtainData()
{
    const QString folder = desPath();
    auto data = std::make_shared<ORFileData>();
    collectionFileDataFromPath(folder, *data);
    auto tree = std::make_shared<const ORFileTreeNode>(createTreeNodeFromPath(folder));
    QMutexLocker lock(&m_mutex);
    m_fileData = data;
    m_treeNode = tree;
}

QString ORFileDataCollection::extractWinmail(const QString &source, const QString &to, QString *error,
                                             QString *made)
{
    if (!to.isEmpty())
        return QDir().mkpath(to) ? QDir(to).absolutePath() : QString();
    const QString temporary = sw::TemporaryFolder::make(QStringLiteral("winmail"), error);
    if (made)
        *made = temporary;
    const QString name = QFileInfo(source).completeBaseName();
    const QString folder = QDir(temporary).filePath(name.isEmpty() ? QStringLiteral("winmail") : name);
    if (temporary.isEmpty() || QDir().mkdir(folder))
        return temporary.isEmpty() ? QString() : folder;
    if (error)
        *error = Text::tr("Cannot create the folder %1").arg(folder);
    sw::TemporaryFolder::discard(temporary);
    return QString();
}

void ORFileDataCollection::collectionFileDataFromPath(const QString &path, ORFileData &to)
{
    for (const QString &name : ORUtility::contentsOfFolder(path)) {
        if (isHiddenSystemEntry(name))
            continue;
        const QString entry = path + QLatin1Char('/') + name;
        to.fileGroups.append(ORFileItem::initFileDataFromPath(entry, ORUtility::fileSizeByPath(entry)));
    }
}

namespace {

ORFileTreeNode treeOf(const QString &path, int depth)
{
    ORFileTreeNode node;
    struct stat st;
    const bool folder = ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
    node.representedObject = ORFileItem::initFileDataFromPath(path, folder);
    if (!folder || depth >= sw::FolderWalker::kMaxDepth)
        return node;
    for (const QString &name : ORUtility::contentsOfFolder(path)) {
        if (isHiddenSystemEntry(name))
            continue;
        ORFileTreeNode child = treeOf(path + QLatin1Char('/') + name, depth + 1);
        if (child.representedObject.fileSize > 0)
            node.childNodes.append(std::move(child));
    }
    return node;
}

}  // namespace

ORFileTreeNode ORFileDataCollection::createTreeNodeFromPath(const QString &path)
{
    return treeOf(path, 0);
}

bool ORFileDataCollection::isWinmailPath(const QString &path)
{
    const QString extension = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), -1).toLower();
    return path.section(QLatin1Char('/'), -1).contains(QLatin1Char('.'))
           && (extension == QLatin1String("dat") || extension == QLatin1String("eml"));
}

const QStringList &ORFileDataCollection::archiverFormat()
{
    static const QStringList formats = {
        "zip", "z01",  "rar",  "r00",  "r01",    "r02",   "r03",  "r04",  "r05",  "7z",  "lha", "lzh", "hqx",
        "bin", "macbin", "sit", "sitx", "as",    "gz",    "gzip", "tgz",  "tar-gz", "bz2", "bzip2", "bz", "tbz2",
        "tbz", "jar",  "xz",   "txz",  "tar",    "iso",   "cdi",  "nrg",  "mdf",  "gtar", "z",   "taz", "tar-z",
        "lzma", "xar", "ace",  "arj",  "pak",    "arc",   "spk",  "zoo",  "lbr",  "lqr", "lzr", "cab", "rpm",
        "deb", "alz",  "dd",   "cpt",  "pit",    "now",   "sea",  "exe",  "cpgz", "pax", "warc", "ha",  "adf",
        "adz", "dms",  "f",    "lzx",  "dcs",    "pkd",   "xms",  "zom",  "pp",   "nsa", "sar", "dat",
    };
    return formats;
}
