// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/TitlePoster.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORUtility.h"

#include <QFile>

#include <ctime>

namespace sw {

TitlePoster::TitlePoster(QString name, JobControl *job, qint64 intervalMs)
    : m_name(std::move(name)), m_job(job), m_intervalMs(intervalMs)
{
}

qint64 TitlePoster::nowMs()
{
    // The coarse clock is read without a system call.
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void TitlePoster::offer(const QByteArray &folder, const char *name)
{
    m_last.assign(folder.constData(), size_t(folder.size()));
    m_last += '/';
    m_last += name;
    offered();
}

void TitlePoster::offer(QByteArrayView nativePath)
{
    m_last.assign(nativePath.data(), size_t(nativePath.size()));
    offered();
}

void TitlePoster::offered()
{
    m_pending = true;
    poll();
}

void TitlePoster::poll()
{
    if (!m_pending)
        return;
    // A walk offers hundreds of thousands of paths a second: the clock is
    // read for one in kOffersPerLook, still many times per interval.
    if (m_lastPostMs >= 0 && ++m_offersUnlooked < kOffersPerLook)
        return;
    m_offersUnlooked = 0;
    const qint64 now = nowMs();
    if (m_lastPostMs < 0 || now - m_lastPostMs >= m_intervalMs)
        flush();
}

void TitlePoster::post(const QString &path)
{
    m_pending = false;
    m_lastPostMs = nowMs();
    if (m_job)
        m_job->setCurrentPath(path);
    ORUtility::notifyProgressOnMainThread(m_name, path);
}

void TitlePoster::flush()
{
    if (m_pending)
        post(QFile::decodeName(QByteArray::fromRawData(m_last.data(), qsizetype(m_last.size()))));
}

}  // namespace sw
