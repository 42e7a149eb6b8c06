// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bind mounts for a test, in a private mount namespace of the calling thread
// (the removal under test runs on it): nothing is seen outside, and the
// thread returns to its own namespace when the object goes. Needs the right
// to mount (root); entered() says whether it could.

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace swtest {

class PrivateMounts
{
public:
    PrivateMounts()
    {
        m_own = ::open("/proc/thread-self/ns/mnt", O_RDONLY | O_CLOEXEC);
        m_entered = m_own >= 0 && ::unshare(CLONE_NEWNS) == 0;
        // Mounts made here must not reach the namespace left behind.
        if (m_entered && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            ::setns(m_own, CLONE_NEWNS);
            m_entered = false;
        }
    }
    ~PrivateMounts()
    {
        if (m_entered)
            ::setns(m_own, CLONE_NEWNS);
        if (m_own >= 0)
            ::close(m_own);
    }
    PrivateMounts(const PrivateMounts &) = delete;
    PrivateMounts &operator=(const PrivateMounts &) = delete;

    bool entered() const { return m_entered; }
    bool bind(const QString &from, const QString &to) const
    {
        return m_entered
               && ::mount(QFile::encodeName(from).constData(), QFile::encodeName(to).constData(), nullptr, MS_BIND,
                          nullptr)
                      == 0;
    }

private:
    int m_own = -1;
    bool m_entered = false;
};

}  // namespace swtest
