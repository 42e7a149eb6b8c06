// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes removing or moving a path fail, for tests of what a failure reports:
// a read-only parent for ordinary users, the immutable attribute for root.

#include <QFile>
#include <QFileInfo>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace swtest {

// Undone by the destructor.
class RemovalBlocker
{
public:
    explicit RemovalBlocker(const QString &path)
        : m_path(path)
        , m_parent(QFileInfo(path).path())
    {
        if (::geteuid() != 0) {
            m_blocked = ::chmod(QFile::encodeName(m_parent).constData(), 0555) == 0;
            return;
        }
        m_blocked = setImmutable(true);
    }
    ~RemovalBlocker()
    {
        if (!m_blocked)
            return;
        if (::geteuid() != 0)
            ::chmod(QFile::encodeName(m_parent).constData(), 0755);
        else
            setImmutable(false);
    }
    bool blocked() const { return m_blocked; }

private:
    bool setImmutable(bool on)
    {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    QString m_path;
    QString m_parent;
    bool m_blocked = false;
};

}  // namespace swtest
