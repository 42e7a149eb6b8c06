// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

// A tree of folders × files files below root, each of size bytes (sparse, so
// a large one costs no disk space), made with bare system calls: 100,000
// files take about a second. Answers whether every file was made.
inline bool generateTree(const QString &root, int folders, int files, qint64 size)
{
    for (int f = 0; f < folders; ++f) {
        const QByteArray folder = QFile::encodeName(root + QStringLiteral("/d%1").arg(f));
        if (!QDir().mkpath(QFile::decodeName(folder)))
            return false;
        for (int i = 0; i < files; ++i) {
            const QByteArray path = folder + "/f" + QByteArray::number(i);
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0)
                return false;
            const bool sized = size == 0 || ::ftruncate(fd, size) == 0;
            ::close(fd);
            if (!sized)
                return false;
        }
    }
    return true;
}
