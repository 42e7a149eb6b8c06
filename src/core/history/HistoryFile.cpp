// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryFile.h"

#include "core/platform/ORLayout.h"
#include "core/platform/RegularFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr char kFileName[] = "history.jsonl";
constexpr char kNewName[] = "history.jsonl.new";
// The first line is read to learn the oldest run's age; a longer one is damaged.
constexpr qint64 kFirstLineMax = 1024 * 1024;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A regular file of ours, opened at name in folderFd, its mode made 0600.
UniqueFd openOwnFile(int folderFd, const char *name, int flags)
{
    UniqueFd fd(::openat(folderFd, name, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    struct stat st;
    if (fd && (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())) {
        errno = EPERM;
        return UniqueFd();
    }
    if (fd && (st.st_mode & 07777) != 0600)
        ::fchmod(fd.get(), 0600);
    return fd;
}

// The last cap bytes of the file at fd, from the start of a line.
QByteArray readTail(int fd, qint64 cap)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return {};
    const qint64 start = qMax<qint64>(0, st.st_size - cap);
    QByteArray bytes(st.st_size - start, Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + got, bytes.size() - got, start + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    if (start > 0)
        bytes.remove(0, bytes.indexOf('\n') + 1);
    return bytes;
}

QList<HistoryRecord> parseLines(const QByteArray &bytes)
{
    QList<HistoryRecord> runs;
    for (const QByteArray &line : bytes.split('\n'))
        if (const std::optional<HistoryRecord> run = HistoryRecord::fromJson(line))
            runs.append(*run);
    return runs;
}

}  // namespace

HistoryFile::HistoryFile(QString folder, Limits limits)
    : m_folder(QDir::cleanPath(folder)), m_limits(limits)
{
}

HistoryFile HistoryFile::standard()
{
    return HistoryFile(ORLayout::stateHome() + QStringLiteral("/sweepwright"));
}

QString HistoryFile::path() const
{
    return m_folder + QLatin1Char('/') + QLatin1String(kFileName);
}

UniqueFd HistoryFile::openFolder(bool create, QString *error) const
{
    if (create) {
        QDir().mkpath(QFileInfo(m_folder).path());
        ::mkdir(QFile::encodeName(m_folder).constData(), 0700);
    }
    UniqueFd fd(::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st;
    if (fd && (::fstat(fd.get(), &st) != 0 || st.st_uid != ::geteuid())) {
        errno = EPERM;
        fd.reset();
    }
    if (!fd) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_folder, systemError());
        return fd;
    }
    if ((st.st_mode & 07777) != 0700)
        ::fchmod(fd.get(), 0700);
    return fd;
}

QString HistoryFile::append(const HistoryRecord &run) const
{
    QString error;
    const UniqueFd folder = openFolder(true, &error);
    if (!folder)
        return error;
    ::flock(folder.get(), LOCK_EX);  // released when folder closes
    const UniqueFd fd = openOwnFile(folder.get(), kFileName, O_RDWR | O_APPEND | O_CREAT);
    if (!fd || !writeAll(fd.get(), run.toJson() + '\n'))
        return QStringLiteral("%1: %2").arg(path(), systemError());
    return pastBound(fd.get()) ? rewrite(folder.get(), fd.get()) : QString();
}

bool HistoryFile::pastBound(int fd) const
{
    struct stat st;
    if (::fstat(fd, &st) != 0 || st.st_size > m_limits.maxBytes)
        return true;
    QByteArray first(qMin<qint64>(st.st_size, kFirstLineMax), Qt::Uninitialized);
    const ssize_t n = ::pread(fd, first.data(), first.size(), 0);
    const qsizetype end = n > 0 ? first.left(n).indexOf('\n') : -1;
    const std::optional<HistoryRecord> oldest = end < 0 ? std::nullopt : HistoryRecord::fromJson(first.left(end));
    return !oldest || oldest->time < QDateTime::currentDateTimeUtc().addDays(-m_limits.maxAgeDays);
}

// Keeps the runs of the last maxAgeDays, newest first while they fit in maxBytes.
QString HistoryFile::rewrite(int folderFd, int fd) const
{
    const QDateTime cutoff = QDateTime::currentDateTimeUtc().addDays(-m_limits.maxAgeDays);
    const QList<HistoryRecord> runs = parseLines(readTail(fd, m_limits.maxBytes * 4));
    QList<QByteArray> kept;
    qint64 bytes = 0;
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        QByteArray line = run->toJson() + '\n';
        if (run->time < cutoff || (!kept.isEmpty() && bytes + line.size() > m_limits.maxBytes))
            break;
        bytes += line.size();
        kept.prepend(std::move(line));
    }
    ::unlinkat(folderFd, kNewName, 0);
    const UniqueFd out = openOwnFile(folderFd, kNewName, O_WRONLY | O_CREAT | O_EXCL);
    if (!out || !writeAll(out.get(), kept.join()) || ::fsync(out.get()) != 0
        || ::renameat(folderFd, kNewName, folderFd, kFileName) != 0) {
        const QString error = QStringLiteral("%1: %2").arg(path(), systemError());
        ::unlinkat(folderFd, kNewName, 0);
        return error;
    }
    return QString();
}

QList<HistoryRecord> HistoryFile::read() const
{
    const UniqueFd folder = openFolder(false, nullptr);
    const UniqueFd fd = folder ? openOwnFile(folder.get(), kFileName, O_RDONLY) : UniqueFd();
    return fd ? parseLines(readTail(fd.get(), m_limits.maxBytes * 4)) : QList<HistoryRecord>();
}

std::optional<HistoryRecord> HistoryFile::find(const QString &id) const
{
    const QList<HistoryRecord> runs = read();
    const auto it = std::find_if(runs.cbegin(), runs.cend(), [&](const HistoryRecord &r) { return r.id == id; });
    return it == runs.cend() ? std::nullopt : std::optional(*it);
}

}  // namespace sw
