// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"

#include "core/foundation/AutostartEntries.h"
#include "core/foundation/MainQueue.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/PackageSignature.h"
#include "core/fs/FolderWalker.h"
#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"
#include "core/platform/PropertyListReader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Info and above by default: notifyOnMainThread() logs every message at debug level.
Q_LOGGING_CATEGORY(lcUtility, "sweepwright.utility", sw::logThreshold(QtInfoMsg))

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool lstatPath(const QString &path, struct stat *st)
{
    return !path.isEmpty() && ::lstat(native(path).constData(), st) == 0;
}

bool statPath(const QString &path, struct stat *st)
{
    return !path.isEmpty() && ::stat(native(path).constData(), st) == 0;
}

bool isSpecial(const struct stat &st)
{
    return S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode);
}

// The folder that holds path, for the deletability test; empty for "/".
QString parentFolder(const QString &path)
{
    QString clean = QDir::cleanPath(path);
    if (clean == QLatin1String("/"))
        return QString();
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QStringLiteral(".");
    return slash == 0 ? QStringLiteral("/") : clean.left(slash);
}

// What unlink/rmdir would allow: write and search permission on the parent
// and, when the parent is sticky, ownership of the item or of the parent.
bool mayRemoveFromParent(const QString &path, const struct stat &item)
{
    const QString parent = parentFolder(path);
    if (parent.isEmpty())
        return false;
    const QByteArray parentName = native(parent);
    // Effective ids, like unlink itself (access() would check the real ones).
    if (::eaccess(parentName.constData(), W_OK | X_OK) != 0)
        return false;
    struct stat parentStat;
    if (::stat(parentName.constData(), &parentStat) != 0)
        return false;
    if (!(parentStat.st_mode & S_ISVTX))
        return true;
    const uid_t uid = ::geteuid();
    return uid == 0 || item.st_uid == uid || parentStat.st_uid == uid;
}

// The MIME types Qt's image readers open: its built-in formats, the image
// format plugins (qt6-image-formats-plugins) and SVG (qt6-svg).
const QSet<QString> &readableImageTypes()
{
    static const QSet<QString> types = {
        QStringLiteral("image/bmp"),
        QStringLiteral("image/png"),
        QStringLiteral("image/jpeg"),
        QStringLiteral("image/gif"),
        QStringLiteral("image/x-portable-bitmap"),
        QStringLiteral("image/x-portable-graymap"),
        QStringLiteral("image/x-portable-pixmap"),
        QStringLiteral("image/x-xbitmap"),
        QStringLiteral("image/x-xpixmap"),
        QStringLiteral("image/svg+xml"),
        QStringLiteral("image/svg+xml-compressed"),
        QStringLiteral("image/vnd.microsoft.icon"),
        QStringLiteral("image/x-icns"),
        QStringLiteral("image/x-tga"),
        QStringLiteral("image/tiff"),
        QStringLiteral("image/vnd.wap.wbmp"),
        QStringLiteral("image/webp"),
        QStringLiteral("video/x-mng"),
    };
    return types;
}

// A compiled pattern per text and thread: the duplicate scan tests every
// folder against the same few patterns.
QRegularExpression compiledPattern(const QString &pattern)
{
    thread_local QHash<QString, QRegularExpression> cache;
    if (const auto it = cache.constFind(pattern); it != cache.constEnd())
        return *it;
    if (cache.size() > 256)
        cache.clear();
    QString escaped = pattern;
    escaped.replace(QLatin1Char('.'), QLatin1String("\\."));
    QRegularExpression re(escaped, QRegularExpression::CaseInsensitiveOption
                                       | QRegularExpression::DotMatchesEverythingOption);
    cache.insert(pattern, re);
    return re;
}

template <class T>
std::optional<T> valueOfType(const QVariant &value)
{
    if (value.metaType() != QMetaType::fromType<T>())
        return std::nullopt;
    return value.value<T>();
}

QString describe(const QVariant &object)
{
    if (object.canConvert<QString>())
        return object.toString();
    QString text;
    QDebug(&text).nospace() << object;
    return text;
}

}  // namespace

// --- standard folders -------------------------------------------------------

QStringList ORUtility::panesDirectories()
{
    if (!ORLayout::isMacOS())
        return {};
    return {ORLayout::homePath(QStringLiteral("Library/PreferencePanes")),
            ORLayout::rootPath(QStringLiteral("Library/PreferencePanes")),
            ORLayout::rootPath(QStringLiteral("System/Library/PreferencePanes"))};
}

QStringList ORUtility::sysCacheDirectory()
{
    if (!ORLayout::isMacOS())
        return {ORLayout::rootPath(QStringLiteral("var/cache"))};
    return {ORLayout::rootPath(QStringLiteral("Library/Caches")),
            ORLayout::rootPath(QStringLiteral("System/Library/Caches"))};
}

QString ORUtility::realHomeDirectory()
{
    return ORLayout::realHome();
}

QStringList ORUtility::appNameArray()
{
    QStringList names;
    if (!ORLayout::isMacOS())
        return names;
    const QString folder = ORLayout::rootPath(QStringLiteral("Applications"));
    for (const QString &entry : contentsOfFolder(folder)) {
        if (!entry.endsWith(QLatin1String(".app")))
            continue;
        const auto info =
            readPropertyListDictionary(folder + QLatin1Char('/') + entry + QLatin1String("/Contents/Info.plist"));
        if (!info || !info->value(QStringLiteral("CFBundleIdentifier")).toString().contains(QLatin1String("com.apple")))
            continue;
        const QString name = info->value(QStringLiteral("CFBundleName")).toString();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

// --- listing and tests -------------------------------------------------------

QStringList ORUtility::contentsOfFolder(const QString &path)
{
    return sw::FolderWalker::childNames(path).value_or(QStringList());
}

bool ORUtility::isDirOfPath(const QString &path)
{
    struct stat st;
    return statPath(path, &st) && S_ISDIR(st.st_mode);
}

bool ORUtility::isValidWithPath(const QString &path)
{
    struct stat st;
    return statPath(path, &st);
}

bool ORUtility::fileIsRegular(const QString &path)
{
    struct stat st;
    return lstatPath(path, &st) && S_ISREG(st.st_mode);
}

bool ORUtility::isSymbolicLink(const QString &path)
{
    struct stat st;
    return lstatPath(path, &st) && S_ISLNK(st.st_mode);
}

bool ORUtility::isDeletableFileWithCurrentPermission(const QString &path)
{
    struct stat st;
    if (!lstatPath(path, &st)) {
        qCInfo(lcUtility).noquote() << QStringLiteral("%1 is not exist.").arg(path);
        return false;
    }
    if (!mayRemoveFromParent(path, st)) {
        qCInfo(lcUtility).noquote() << QStringLiteral("%1 without delete permission.").arg(path);
        return false;
    }
    return true;
}

bool ORUtility::isImageFile(const QString &path)
{
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return false;
    const QSet<QString> &readable = readableImageTypes();
    if (readable.contains(type.name()))
        return true;
    for (const QString &parent : type.allAncestors())
        if (readable.contains(parent))
            return true;
    return false;
}

bool ORUtility::isFilePackageAtPath(const QString &path)
{
    return sw::PackageSignature::isPackage(path);
}

// --- sizes -------------------------------------------------------------------

qint64 ORUtility::sizeOfFile(const QString &path)
{
    if (!isDeletableFileWithCurrentPermission(path))
        return 0;
    struct stat st;
    if (!lstatPath(path, &st) || !S_ISREG(st.st_mode))
        return 0;
    return st.st_size;
}

qint64 ORUtility::fileSizeByPath(const QString &path)
{
    // A package's recursive size stands for what a metadata index reports.
    if (isFilePackageAtPath(path)) {
        if (const qint64 size = folderSizeAtPath2(path); size > 0)
            return size;
    }
    struct stat st;
    if (!statPath(path, &st) || isSpecial(st))
        return 0;  // a device, FIFO or socket is never opened: it holds no file's bytes
    if (st.st_size > 0)
        return st.st_size;
    // O_NONBLOCK: a FIFO swapped in meanwhile must not wait for a writer.
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const off_t end = ::lseek(fd, 0, SEEK_END);
    ::close(fd);
    return end > 0 ? qint64(end) : 0;
}

qint64 ORUtility::folderSizeAtPath2(const QString &path)
{
    return path.isEmpty() ? 0 : sw::FolderWalker::totalSize(path);
}

// --- formatting ----------------------------------------------------------------

QString ORUtility::sizeFormatWithNumber(qint64 size)
{
    // Base 1000 with kB, MB, GB, as the desktop's file managers show sizes.
    // Three significant digits, rounded half up in integers so that a figure
    // never drifts through floating point, and trailing zeros dropped:
    // 6,100,000,000 bytes is "6.1 GB", 385,000,000 "385 MB".
    static const char *const kUnits[] = {"B", "kB", "MB", "GB", "TB", "PB", "EB"};
    constexpr int kLastUnit = int(std::size(kUnits)) - 1;
    if (size < 1000)
        return QStringLiteral("%1 B").arg(std::max<qint64>(size, 0));
    const auto bytes = quint64(size);
    int unit = 1;
    quint64 unitBytes = 1000;
    while (unit < kLastUnit && bytes >= unitBytes * 1000) {
        unitBytes *= 1000;
        ++unit;
    }
    const quint64 whole = bytes / unitBytes;
    const quint64 scale = whole >= 100 ? 1 : whole >= 10 ? 10 : 100;
    const quint64 step = unitBytes / scale;
    double number = double((bytes + step / 2) / step) / double(scale);
    // 999,999 bytes rounds to 1000 kB, which is written 1 MB.
    if (number >= 1000 && unit < kLastUnit) {
        number = 1;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(QLocale().toString(number, 'g', 3), QLatin1String(kUnits[unit]));
}

QString ORUtility::friendlyDate(qint64 secondsSince1970)
{
    const QDateTime when = QDateTime::fromSecsSinceEpoch(secondsSince1970);
    if (when >= QDate::currentDate().startOfDay())
        return QCoreApplication::translate("ORUtility", "today");
    return QLocale().toString(when.date(), QLocale::ShortFormat);
}

QString ORUtility::stringShortFromDate(const QDateTime &date)
{
    if (!date.isValid())
        return QString();
    return QLocale().toString(date.toLocalTime().date(), QLocale::ShortFormat);
}

QString ORUtility::ownedName(const QString &owner, const QString &name)
{
    return owner.isEmpty() ? name : owner + QStringLiteral(" \u203A ") + name;
}

QString ORUtility::shortenFilePath(const QString &path)
{
    static const std::pair<const char *, const char *> kReplacements[] = {
        {"System", "."},      {"Library", "."},      {"Logs", "."},
        {"Preferences", "."}, {"Saved Application State", "."},
        {"Applications", "."}, {"Contents/Resources", ".."},
        {"Utilities", "."},   {"Caches", "."},       {"Metadata", "."},
        {"Application Support", "."},
    };
    QString text = path;
    const QString home = QDir::homePath();
    if (home.size() > 1)  // a home of "/" would turn every separator into "~"
        text.replace(home, QStringLiteral("~"));
    for (const auto &[from, to] : kReplacements)
        text.replace(QLatin1String(from), QLatin1String(to));
    return text;
}

// --- notifications --------------------------------------------------------------

void ORUtility::notifyOnMainThread(const QString &name, const QVariant &object)
{
    qCDebug(lcUtility).noquote() << QStringLiteral("Msg: %1 --- Obj: %2").arg(name, describe(object));
    sw::MainQueue::instance().postNotification(name, object.isValid() ? object
                                                                     : ORNotificationCenter::nullPlaceholder());
}

void ORUtility::notifyProgressOnMainThread(const QString &name, const QVariant &object)
{
    sw::MainQueue::instance().postNotification(name, object, sw::MainQueue::Kind::Progress);
}

// --- digests ------------------------------------------------------------------

QString ORUtility::lazyHashFile(const QString &path)
{
    return isFilePackageAtPath(path) ? lazyHashPackage(path) : lazyMD5File(path);
}

QString ORUtility::lazyMD5File(const QString &path)
{
    constexpr qint64 kSample = 4096;
    struct stat st;
    if (!statPath(path, &st) || isSpecial(st))
        return QString();  // never opened: reading a device could have effects
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return QString();
    const off_t length = ::lseek(fd, 0, SEEK_END);
    QCryptographicHash md5(QCryptographicHash::Md5);
    bool readSomething = false;
    if (length > 0) {
        const quint64 n = qMin<quint64>(3, quint64(length) / kSample + 1);
        const quint64 step = quint64(length) / n;
        char buffer[kSample];
        for (quint64 i = 0; i < n; ++i) {
            const ssize_t got = ::pread(fd, buffer, kSample, off_t(i * step));
            if (got <= 0)
                break;
            md5.addData(QByteArrayView(buffer, got));
            readSomething = true;
        }
    }
    ::close(fd);
    // A file that yields no bytes (empty, or unreadable like a folder) has no digest.
    return readSomething ? QString::fromLatin1(md5.result().toHex()) : QString();
}

QString ORUtility::lazyHashPackage(const QString &path)
{
    const std::optional<QString> signature = sw::PackageSignature::signature(path);
    return signature ? hashString(*signature, 0) : QString();
}

QString ORUtility::hashData(const QByteArray &data, int kind)
{
    static const QCryptographicHash::Algorithm kAlgorithms[] = {
        QCryptographicHash::Md5, QCryptographicHash::Sha1, QCryptographicHash::Sha256, QCryptographicHash::Sha512};
    if (kind < 0 || kind > 3)
        return QString();
    return QString::fromLatin1(QCryptographicHash::hash(data, kAlgorithms[kind]).toHex());
}

QString ORUtility::hashString(const QString &text, int kind)
{
    return hashData(text.toUtf8(), kind);
}

// --- patterns -------------------------------------------------------------------

// Most exclusion patterns are a text, perhaps with "[^/]*" around it and a
// "$" at its end, as both default ones ("/.[^/]*" and "[^/]*.docset$"). Those
// are matched as text: nothing is compiled, and a scan that uses only them
// never pages in the regular expression library. Any other pattern gives
// std::nullopt.
static std::optional<bool> textMatch(QStringView pattern, QStringView content)
{
    static constexpr QLatin1StringView anyName("[^/]*");
    static constexpr QStringView special(u"\\^$|?*+()[]{}");
    if (pattern.startsWith(anyName))
        pattern = pattern.mid(anyName.size());
    const bool atEnd = pattern.endsWith(u'$');
    if (atEnd)
        pattern.chop(1);
    else if (pattern.endsWith(anyName))
        pattern.chop(anyName.size());
    for (const QChar c : pattern)
        if (c.unicode() >= 0x80 || special.contains(c))
            return std::nullopt;
    if (!atEnd)
        return content.contains(pattern, Qt::CaseInsensitive);
    // "$" also matches before a line break that ends the text.
    return content.endsWith(pattern, Qt::CaseInsensitive)
           || (content.endsWith(u'\n') && content.chopped(1).endsWith(pattern, Qt::CaseInsensitive));
}

bool ORUtility::contains(const QString &pattern, const QString &content)
{
    if (const std::optional<bool> matched = textMatch(pattern, content))
        return *matched;
    const QRegularExpression re = compiledPattern(pattern);
    return re.isValid() && re.match(content).hasMatch();
}

bool ORUtility::isExcludedFolder(const QStringList &patterns, const QString &path)
{
    for (const QString &pattern : patterns) {
        if (contains(pattern, path)) {
            qCInfo(lcUtility).noquote() << QStringLiteral("Exclude: %1").arg(path);
            return true;
        }
    }
    return false;
}

// --- property lists ---------------------------------------------------------------

QVariant ORUtility::readPropertyList(const QString &path)
{
    return sw::PropertyListReader::readFile(path);
}

QVariant ORUtility::readPropertyListData(const QByteArray &data)
{
    return sw::PropertyListReader::read(data);
}

std::optional<QVariantMap> ORUtility::readPropertyListDictionary(const QString &path)
{
    return valueOfType<QVariantMap>(readPropertyList(path));
}

std::optional<QVariantMap> ORUtility::readPropertyListDictionaryData(const QByteArray &data)
{
    return valueOfType<QVariantMap>(readPropertyListData(data));
}

std::optional<QVariantList> ORUtility::readPropertyListArray(const QString &path)
{
    return valueOfType<QVariantList>(readPropertyList(path));
}

std::optional<QVariantList> ORUtility::readPropertyListArrayData(const QByteArray &data)
{
    return valueOfType<QVariantList>(readPropertyListData(data));
}

// --- login items ------------------------------------------------------------------

void ORUtility::addLoginItem(const QString &appPath, const QString &name)
{
    sw::AutostartEntries().add(appPath, name);
}

void ORUtility::addAppAsLoginItem(const QString &appPath, const QString &name)
{
    addLoginItem(appPath, name);
}

void ORUtility::deleteLoginItem(const QString &appPath)
{
    sw::AutostartEntries().remove(appPath);
}

// --- destinations -----------------------------------------------------------------

QString ORUtility::desDirectory(const QString &path)
{
    struct stat st;
    if (!lstatPath(path, &st))
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // An extension is a dot inside the last component, not its first character.
    const bool hasExtension = dot > slash + 1;
    const QString folder = path.left(slash + 1);
    const QString stem = path.mid(slash + 1, hasExtension ? dot - slash - 1 : -1);
    const QString extension = hasExtension ? path.mid(dot) : QString();
    for (int n = 0; n < std::numeric_limits<int>::max(); ++n) {
        // The counter is stripped from the file name only: a "(0)" in a
        // folder name must not move the output into another folder.
        const QString mark = QStringLiteral("(%1)").arg(n);
        const QString candidate = folder + QString(stem).remove(mark) + mark + extension;
        if (!lstatPath(candidate, &st))
            return candidate;
    }
    return QString();
}
