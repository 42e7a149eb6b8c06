#include "ORFileDataCollection.h"

#include "EncodingChoice.h"
#include "FolderWalker.h"
#include "JobControl.h"
#include "LogCategory.h"
#include "ORPrefConfig.h"
#include "ORUtility.h"
#include "ORWinmailCore.h"
#include "TemporaryBase.h"
#include "TemporaryFolder.h"
#include "XADString.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QUrl>

#include <sys/stat.h>

namespace {

Q_LOGGING_CATEGORY(lcArchive, "sweepwright.archive", sw::logThreshold(QtInfoMsg))

const char *const kFailureText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "Unarchive error or password error, try again!");
const char *const kUnsupportedText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "This archive format is not supported");
const char *const kNoSpaceText = QT_TRANSLATE_NOOP("ORFileIntroViewCter", "Not enough free space");

QString translated(const char *text)
{
    return QCoreApplication::translate("ORFileIntroViewCter", text);
}

bool isHiddenSystemEntry(const QString &name)
{
    return name == QLatin1String(".DS_Store");
}

// Answers the extraction's questions: the password once (asked again, the
// same one is tried, so a wrong password ends as a password error rather
// than a second prompt), the names' encoding from the request or the
// settings, progress as "fileprogress" and into the job.
class ExtractionDelegate : public XADSimpleUnarchiverDelegate
{
public:
    ExtractionDelegate(const sw::ExtractionRequest &request, const ORFileDataCollection::PasswordPrompt &prompt,
                       sw::JobControl &job)
        : m_request(request), m_prompt(prompt), m_job(job)
    {
    }

    bool abandoned() const { return m_abandoned; }

    bool simpleUnarchiverNeedsPassword(XADSimpleUnarchiver &unarchiver) override
    {
        if (m_asked)
            return !m_abandoned;
        m_asked = true;
        const std::optional<QString> password = m_prompt ? m_prompt() : std::nullopt;
        if (!password) {
            m_abandoned = true;
            return false;
        }
        unarchiver.setPassword(*password);
        unarchiver.setPasswordEncodingName(XADString::encodingNameForEncoding(
            int(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")))));
        return true;
    }

    QString simpleUnarchiver(XADSimpleUnarchiver &, const XADString &names) override
    {
        const QString forced = m_request.encoding;
        if (forced.isEmpty())
            return sw::EncodingChoice::chooseFromSettings(names);
        if (forced == QLatin1String("auto"))
            return sw::EncodingChoice::choose(names, QString(), qint64(0));
        return forced;
    }

    bool simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, const QString &) override
    {
        return !m_job.isCancelled();
    }

    void simpleUnarchiver(XADSimpleUnarchiver &, const XADEntry &, qint64, qint64, qint64 totalProgress,
                          qint64 totalSize) override
    {
        if (totalSize <= 0)
            return;
        ORUtility::notifyProgressOnMainThread(QStringLiteral("fileprogress"),
                                              float(double(totalProgress) / double(totalSize)));
    }

private:
    const sw::ExtractionRequest &m_request;
    const ORFileDataCollection::PasswordPrompt &m_prompt;
    sw::JobControl &m_job;
    bool m_asked = false;
    bool m_abandoned = false;
};

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

// Paths of items moved out with their top folder, made relative to it.
// Skipped entries keep their names when they lay elsewhere.
template <class Item>
void relativeToLifted(QList<Item> &items, const QString &top, bool dropOthers)
{
    const QString prefix = top + QLatin1Char('/');
    QList<Item> kept;
    for (Item &item : items) {
        const bool inside = item.path.startsWith(prefix);
        if (inside)
            item.path = item.path.mid(prefix.size());
        if (inside || !dropOthers)
            kept.append(item);
    }
    items = kept;
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
    sw::ExtractionOutcome outcome = isWinmailPath(request.source) ? extractWinmailFile(request)
                                                                  : extractArchive(request, password, job);
    using Status = sw::ExtractionOutcome::Status;
    // A folder made for this run goes with a run that failed, whatever it
    // wrote there (a cancelled run keeps what it wrote, as it was asked to).
    if ((outcome.status == Status::Failed || outcome.status == Status::Unsupported) && request.ownsDestination) {
        sw::TemporaryFolder::discard(request.destination);
        outcome.destination.clear();
        outcome.items.clear();
    }
    if (outcome.status != Status::Extracted || request.listOnly)
        return outcome;
    // The result is built when first asked for (fileData()): the command
    // line never asks, and a tree of every item costs a walk of them all.
    QMutexLocker lock(&m_mutex);
    m_desPath = outcome.destination;
    return outcome;
}

sw::ExtractionOutcome ORFileDataCollection::extractWinmailFile(const sw::ExtractionRequest &request)
{
    if (request.listOnly)
        return failure(XADSimpleUnarchiver::XADNotSupportedError,
                       QStringLiteral("A winmail file is listed only by decoding it"));
    QString error;
    const QString folder = extractWinmail(request.source, request.destination, &error);
    if (folder.isEmpty())
        return failureSaying(error.isEmpty() ? QStringLiteral("Cannot create the folder") : error);
    if (!ORWinmailCore::extractWinmailDatFromPathWithURL(QUrl::fromLocalFile(request.source),
                                                         QUrl::fromLocalFile(folder))) {
        sw::ExtractionOutcome failed = failure(XADSimpleUnarchiver::XADDamagedError,
                                               QStringLiteral("Not a winmail.dat file, or a damaged one"));
        // A folder of our own goes with whatever the decoder left in it;
        // in a folder the user named, what was written is listed.
        if (request.destination.isEmpty()) {
            sw::TemporaryFolder::discard(folder);
        } else {
            failed.destination = folder;
            failed.items = listItems(folder);
        }
        return failed;
    }
    sw::ExtractionOutcome outcome;
    outcome.status = sw::ExtractionOutcome::Status::Extracted;
    outcome.destination = folder;
    outcome.items = listItems(folder);
    return outcome;
}

sw::ExtractionOutcome ORFileDataCollection::extractArchive(const sw::ExtractionRequest &request,
                                                           const PasswordPrompt &password, sw::JobControl &job)
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
        return failure(error, error == XADSimpleUnarchiver::XADOpenError           ? QStringLiteral("Cannot read the file")
                              : error == XADSimpleUnarchiver::XADNotSupportedError ? translated(kUnsupportedText)
                                                                                     : why);
    }
    ExtractionDelegate delegate(request, password, job);
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
    unarchiver.setRemovesEnclosingDirectoryForSoloItems(true);
    unarchiver.setExtractsIntoEnclosingDirectory(temporary);
    const int error = unarchiver.unarchive();
    outcome.items = unarchiver.extractedItems();
    outcome.skipped = unarchiver.skippedItems();
    outcome.destination = destination;
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
        return;
    }
    // One top-level folder goes beside the temporary folder, which goes.
    const QString enclosing = unarchiver.enclosingDirectoryName();
    if (temporary && !enclosing.isEmpty()) {
        const QString moved = sw::TemporaryFolder::liftOut(destination, unarchiver.createdItem());
        if (!moved.isEmpty()) {
            outcome.destination = moved;
            relativeToLifted(outcome.items, enclosing, true);
            relativeToLifted(outcome.skipped, enclosing, false);
        }
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

void ORFileDataCollection::startOver()
{
    QMutexLocker lock(&m_mutex);
    m_fileArray.clear();
    m_desPath.clear();
    m_fileData.reset();
    m_tmpFileData.reset();
    m_treeNode.reset();
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

QString ORFileDataCollection::extractWinmail(const QString &source, const QString &to, QString *error)
{
    (void)source;  // decoded by the caller, which looks at the decoder's answer
    if (!to.isEmpty())
        return QDir().mkpath(to) ? QDir(to).absolutePath() : QString();
    return sw::TemporaryFolder::make(QStringLiteral("winmail"), error);
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
