// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMutex>
#include <QMutexLocker>

#include <functional>
#include <memory>

namespace sw {

// The result an engine publishes: made by the first data access (on the
// caller's worker thread), handed out again until reset(), and kept as the
// "temp" copy the main window reads to reopen a tool on its result page.
// Safe to reach from any thread.
template <class Data>
class PublishedResult
{
public:
    // The held result, or the one scan() makes when none is held.
    std::shared_ptr<Data> get(const std::function<std::shared_ptr<Data>()> &scan)
    {
        {
            QMutexLocker lock(&m_mutex);
            if (m_data) {
                m_temp = m_data;
                return m_data;
            }
        }
        auto result = scan();
        QMutexLocker lock(&m_mutex);
        m_data = result;
        m_temp = result;
        return result;
    }

    std::shared_ptr<Data> temp() const
    {
        QMutexLocker lock(&m_mutex);
        return m_temp;
    }

    void reset()
    {
        QMutexLocker lock(&m_mutex);
        m_data.reset();
        m_temp.reset();
    }

private:
    mutable QMutex m_mutex;
    std::shared_ptr<Data> m_data;
    std::shared_ptr<Data> m_temp;
};

}  // namespace sw
