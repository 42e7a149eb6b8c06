#include "ScanWalker.h"

#include "ORUtility.h"
#include "PackageSignature.h"
#include "TitlePoster.h"

#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// A name that a path string can carry: the tools pass paths around as
// strings, and a name that is no valid text in the file-name encoding would
// come back as another name.
bool representable(const std::string &name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return true;
    const QByteArray bytes = QByteArray::fromRawData(name.data(), qsizetype(name.size()));
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

// The extension of a native name, or nullptr (see extensionOf()).
const char *extensionStart(const char *name)
{
    const char *dot = std::strrchr(name, '.');
    return (dot && dot != name && dot[1] != '\0') ? dot + 1 : nullptr;
}

}  // namespace

struct ScanWalker::Child
{
    std::string name;
    unsigned char type;
};

struct ScanWalker::Level
{
    int fd = -1;
    QByteArray path;
    dev_t dev = 0;
    ino_t ino = 0;
    quint32 serial = 0;
    std::vector<Child> children;
    size_t next = 0;
    int mayWrite = -1;  // -1 not asked yet
    struct stat st{};
};

QByteArray ScanEntry::nativePath() const
{
    return folder + '/' + name;
}

QString ScanEntry::path() const
{
    return QFile::decodeName(nativePath());
}

qint64 ScanEntry::sizeOfFile(const QLoggingCategory &category) const
{
    if (deletable)
        return st.st_size;
    qCInfo(category).noquote() << QStringLiteral("%1 without delete permission.").arg(path());
    return 0;
}

ScanWalker::ScanWalker(const QStringList &excludeFolders, const QStringList &excludeFiles, TitlePoster *title)
    : m_excludeFolders(excludeFolders), m_title(title)
{
    for (const QString &extension : excludeFiles) {
        const QString lower = extension.toLower();
        bool ascii = true;
        for (const QChar c : lower)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii)
            m_asciiExtensions.push_back(lower.toStdString());
        else
            m_otherExtensions.append(lower);
    }
    std::sort(m_asciiExtensions.begin(), m_asciiExtensions.end());
}

ScanWalker::~ScanWalker() = default;

QString ScanWalker::extensionOf(const QString &name)
{
    const QString last = name.section(QLatin1Char('/'), -1);
    const qsizetype dot = last.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? last.mid(dot + 1) : QString();
}

bool ScanWalker::isExcludedExtension(const char *name) const
{
    const char *extension = extensionStart(name);
    if (!extension)
        return false;
    std::string lower(extension);
    bool ascii = true;
    for (char &c : lower) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    if (ascii)
        return std::binary_search(m_asciiExtensions.begin(), m_asciiExtensions.end(), lower);
    // Case folding outside ASCII can land on an ASCII letter (KELVIN SIGN -> k).
    const QString folded = QFile::decodeName(extension).toLower();
    return m_otherExtensions.contains(folded)
           || std::binary_search(m_asciiExtensions.begin(), m_asciiExtensions.end(), folded.toStdString());
}

void ScanWalker::readLevel(Level &level) const
{
    const int streamFd = fcntl(level.fd, F_DUPFD_CLOEXEC, 0);
    DIR *dir = streamFd < 0 ? nullptr : fdopendir(streamFd);
    if (!dir) {
        if (streamFd >= 0)
            ::close(streamFd);
        return;
    }
    while (const dirent *entry = readdir(dir))
        if (!isDotOrDotDot(entry->d_name))
            level.children.push_back(Child{entry->d_name, entry->d_type});
    closedir(dir);
    std::sort(level.children.begin(), level.children.end(),
              [](const Child &a, const Child &b) { return a.name < b.name; });
}

// Opens a folder of the top level and pushes it; false when it is not entered.
bool ScanWalker::enter(std::vector<Level> &stack, const std::string &name, const QByteArray &path)
{
    if (stack.size() >= size_t(kMaxDepth))
        return false;
    const int fd = openat(stack.back().fd, name.c_str(), kOpenFlags);
    if (fd < 0)
        return false;
    Level level;
    level.fd = fd;
    if (fstat(fd, &level.st) != 0
        || std::any_of(stack.cbegin(), stack.cend(), [&level](const Level &l) {
               return l.dev == level.st.st_dev && l.ino == level.st.st_ino;
           })) {
        ::close(fd);
        return false;
    }
    level.path = path;
    level.dev = level.st.st_dev;
    level.ino = level.st.st_ino;
    level.serial = ++m_serial;
    readLevel(level);
    stack.push_back(std::move(level));
    return true;
}

// What unlink would allow: write and search permission on the folder and,
// in a sticky folder, ownership of the entry or of the folder.
bool ScanWalker::deletableIn(Level &level, const struct stat &st) const
{
    if (level.mayWrite < 0)
        level.mayWrite = faccessat(level.fd, ".", W_OK | X_OK, AT_EACCESS) == 0 ? 1 : 0;
    if (level.mayWrite == 0)
        return false;
    if (!(level.st.st_mode & S_ISVTX))
        return true;
    const uid_t uid = geteuid();
    return uid == 0 || st.st_uid == uid || level.st.st_uid == uid;
}

bool ScanWalker::visitChild(std::vector<Level> &stack, const std::string &name, unsigned char type,
                            const Visitor &visit)
{
    Level &level = stack.back();
    if (type == DT_LNK || type == DT_FIFO || type == DT_SOCK || type == DT_CHR || type == DT_BLK)
        return true;
    if ((stack.size() == 1 && name == ".DS_Store") || !representable(name))
        return true;
    struct stat st;
    if (fstatat(level.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return true;  // vanished since the folder was read
    const bool excludedExtension = isExcludedExtension(name.c_str());
    if (S_ISREG(st.st_mode)) {
        if (excludedExtension)
            return true;
        if (m_title)
            m_title->offer(level.path, name.c_str());
        return visit(ScanEntry{level.path, name.c_str(), level.serial, st, false, deletableIn(level, st)});
    }
    if (!S_ISDIR(st.st_mode))
        return true;
    const QByteArray path = level.path + '/' + name.c_str();
    const bool excluded = ORUtility::isExcludedFolder(m_excludeFolders, QFile::decodeName(path));
    if (!excludedExtension && extensionStart(name.c_str()) && PackageSignature::isPackage(QFile::decodeName(path))) {
        if (m_title)
            m_title->offer(level.path, name.c_str());
        return visit(ScanEntry{level.path, name.c_str(), level.serial, st, true, deletableIn(level, st)});
    }
    if (!excluded)
        enter(stack, name, path);  // may move `level`: nothing below uses it
    return true;
}

bool ScanWalker::walk(const QString &root, const Visitor &visit)
{
    QString clean = root;
    while (clean.size() > 1 && clean.endsWith(QLatin1Char('/')))
        clean.chop(1);
    if (clean.isEmpty() || ORUtility::isExcludedFolder(m_excludeFolders, clean))
        return true;
    Level top;
    top.path = clean == QLatin1String("/") ? QByteArray() : QFile::encodeName(clean);
    // The root is opened as named: a root that is a link to a folder is walked.
    top.fd = ::open(QFile::encodeName(clean).constData(), kOpenFlags & ~O_NOFOLLOW);
    if (top.fd < 0)
        return true;
    if (fstat(top.fd, &top.st) != 0) {
        ::close(top.fd);
        return true;
    }
    top.dev = top.st.st_dev;
    top.ino = top.st.st_ino;
    top.serial = ++m_serial;
    readLevel(top);
    std::vector<Level> stack;
    // Never reallocated, so a level stays where it is while deeper ones are pushed.
    stack.reserve(size_t(kMaxDepth) + 1);
    stack.push_back(std::move(top));
    while (!stack.empty()) {
        Level &level = stack.back();
        if (level.next >= level.children.size()) {
            ::close(level.fd);
            stack.pop_back();
            continue;
        }
        const Child &child = level.children[level.next++];
        if (!visitChild(stack, child.name, child.type, visit)) {
            for (const Level &open : stack)
                ::close(open.fd);
            return false;
        }
    }
    return true;
}

}  // namespace sw
