// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>

namespace sw {

class JobControl;

// The "path being looked at" notification of a walk or a scan ("bigtitle",
// "dupicon", "junktitle"). A page shows at most one path per frame, so the
// walk offers every path but only one per interval is decoded and posted;
// flush() posts the last one offered, so the page always ends on the true
// last path. This keeps the walk as fast with a listener as without. A job,
// when given, gets the same paths as its current path (and so takes its lock
// once per interval, not once per file).
class TitlePoster
{
public:
    explicit TitlePoster(QString name, JobControl *job = nullptr, qint64 intervalMs = 16);

    void offer(const QByteArray &folder, const char *name);
    void offer(QByteArrayView nativePath);
    void post(const QString &path);
    void flush();
    // Posts the path offered last when it is not posted yet and the last
    // post is old enough: a long look at one path (a folder being measured)
    // calls it now and then, so the page shows that path meanwhile.
    void poll();

private:
    // Posts what was just offered when the last post is old enough.
    void offered();
    static qint64 nowMs();

    QString m_name;
    JobControl *m_job;
    qint64 m_intervalMs;
    qint64 m_lastPostMs = -1;
    std::string m_last;  // the last path offered and not posted
    bool m_pending = false;
    static constexpr int kOffersPerLook = 32;
    int m_offersUnlooked = 0;
};

}  // namespace sw
