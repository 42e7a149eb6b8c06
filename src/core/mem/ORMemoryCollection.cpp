// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mem/ORMemoryCollection.h"

#include "core/platform/LogCategory.h"
#include "core/platform/ORLayout.h"

#include <QFile>
#include <QLoggingCategory>

#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>

Q_LOGGING_CATEGORY(lcMem, "sweepwright.mem", sw::logThreshold(QtDebugMsg))

std::optional<ORMemory> ORMemoryCollection::memory() const
{
    const std::optional<sw::MemFigures> figures = sw::MemFigures::read();
    if (!figures)
        return std::nullopt;
    return figures->toMemory();
}

std::optional<ORDisk> ORMemoryCollection::diskSpace() const
{
    QString folder = documentsFolder();
    struct statvfs vfs;
    int rc = ::statvfs(QFile::encodeName(folder).constData(), &vfs);
    // A home without a Documents folder: the volume it would be made on.
    if (rc != 0 && errno == ENOENT) {
        folder = ORLayout::home();
        rc = ::statvfs(QFile::encodeName(folder).constData(), &vfs);
    }
    if (rc != 0) {
        qCWarning(lcMem, "Fail to get disk space, %s: %s", qUtf8Printable(folder), std::strerror(errno));
        return std::nullopt;
    }
    ORDisk disk;
    disk.total = quint64(vfs.f_blocks) * vfs.f_frsize;
    // What an ordinary user may still write, as the file manager shows it.
    disk.free = quint64(vfs.f_bavail) * vfs.f_frsize;
    return disk;
}

sw::MemoryRelease::Result ORMemoryCollection::releaseMemory() const
{
    return sw::MemoryRelease().run();
}

QString ORMemoryCollection::documentsFolder()
{
    return ORLayout::isMacOS() ? ORLayout::homePath(QStringLiteral("Documents"))
                               : ORLayout::userDir(QStringLiteral("DOCUMENTS"), QStringLiteral("Documents"));
}
