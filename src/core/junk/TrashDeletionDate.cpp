// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/junk/TrashDeletionDate.h"

#include "core/fs/UniqueFd.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw::TrashDeletionDate {

namespace {

// An info file holds a path and a date: a few hundred bytes.
constexpr qsizetype kMaxRead = 16 * 1024;

QByteArray readSmallFile(int folderFd, const QByteArray &name)
{
    const UniqueFd fd(::openat(folderFd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st;
    if (!fd || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    QByteArray text(kMaxRead, Qt::Uninitialized);
    const ssize_t got = ::read(fd.get(), text.data(), size_t(text.size()));
    text.truncate(got > 0 ? qsizetype(got) : 0);
    return text;
}

std::optional<qint64> dateIn(const QByteArray &text)
{
    bool inGroup = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inGroup = line == "[Trash Info]";
        else if (inGroup && line.startsWith("DeletionDate=")) {
            const QString value = QString::fromLatin1(line.mid(13)).trimmed();
            const QDateTime when = QDateTime::fromString(value, Qt::ISODate);
            return when.isValid() ? std::optional<qint64>(when.toSecsSinceEpoch()) : std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<qint64> read(const AnchoredRoot &root, const QString &path)
{
    const QStringView name = root.entryName(path);
    if (name.isEmpty())
        return std::nullopt;
    return dateIn(readSmallFile(root.fd(), QFile::encodeName(name.toString())));
}

}  // namespace sw::TrashDeletionDate
