// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/ORFileData.h"

#include "core/foundation/ORUtility.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The last component without its last extension; a leading dot is part of
// the name, not an extension (".profile" stays ".profile").
QString nameWithoutExtension(const QString &path)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

int makeUid()
{
    auto draw = [] { return int(QRandomGenerator::global()->bounded(RAND_MAX)); };
    const int r1 = draw(), r2 = draw(), r3 = draw();
    return r1 / 2 + r2 / 6 - r3 / 3;
}

QDateTime fromTimespec(const struct timespec &t)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000);
}

}  // namespace

ORFileItem ORFileItem::initFileDataFromPath(const QString &path, qint64 andSize)
{
    ORFileItem item;
    item.filePath = path;
    item.fileName = nameWithoutExtension(path);
    item.fileSize = andSize;
    item.fileUID = makeUid();
    return item;
}

ORFileItem ORFileItem::initFileDataFromPath(const QString &path, bool isDirectory)
{
    ORFileItem item = initFileDataFromPath(path, qint64(0));
    item.isDirectory = isDirectory;
    // The item itself, never what a link points at: an extracted link may
    // lead anywhere inside the extraction, itself included.
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return item;
    item.fileSize = S_ISDIR(st.st_mode) ? ORUtility::folderSizeAtPath2(path)
                    : S_ISREG(st.st_mode) ? qint64(st.st_size)
                                          : 0;
    item.fileUpdateAt = fromTimespec(st.st_mtim);
    // The birth time where the file system keeps one, else the last change.
    struct statx sx;
    if (::statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_SYMLINK_NOFOLLOW, STATX_BTIME, &sx) == 0
        && (sx.stx_mask & STATX_BTIME))
        item.fileCreateAt = QDateTime::fromMSecsSinceEpoch(qint64(sx.stx_btime.tv_sec) * 1000
                                                           + sx.stx_btime.tv_nsec / 1000000);
    else
        item.fileCreateAt = fromTimespec(st.st_ctim);
    return item;
}
