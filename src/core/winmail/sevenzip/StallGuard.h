// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QSet>
#include <QtGlobal>

namespace sw {

// Tells an archive reader that makes no progress from one that is slow.
// Progress is new input read from the archive, new output, or a header not
// seen before; a reader that goes kNoProgressLimit without any (a damaged
// archive that makes libarchive loop in place: Rock Ridge continuation
// areas that point at themselves, a xar whose link is doubled, zisofs
// blocks that never advance), or that meets the same header (offset and
// name) a second time, is stopped and the archive counts as damaged.
//
// The limit is generous: reading input or writing output, however slowly,
// is progress, so only a reader that spins in place for that long is
// stopped. Tests may shorten it with SWEEPWRIGHT_STALL_LIMIT_MS.
class StallGuard
{
public:
    static constexpr qint64 kNoProgressLimit = 20000;  // ms

    StallGuard();

    // The limit in force (kNoProgressLimit unless a test set another).
    static qint64 limit();

    // Only the time a reader works counts: what its caller does between two
    // steps (asking for a password, writing a block to a slow disk) does not.
    void beginStep() { m_clock.restart(); }
    void endStep() { m_without += m_clock.restart(); }
    void progressed()
    {
        m_without = 0;
        m_clock.restart();
        m_idle.invalidate();
    }
    bool stalled() const { return m_without + m_clock.elapsed() > m_limit; }
    // A step came back with nothing new (an empty block). Steps like that,
    // one right after another, stall by the clock: true once they have gone
    // on for the limit.
    bool nothingNew()
    {
        if (!m_idle.isValid())
            m_idle.start();
        return m_idle.elapsed() > m_limit;
    }
    // False when this header was met before (a loop); else it is progress.
    bool firstTime(qint64 offset, const QByteArray &name);

private:
    QElapsedTimer m_clock;
    QElapsedTimer m_idle;  // since the first of the empty steps in a row
    qint64 m_without = 0;  // ms of work since the last progress, before this step
    qint64 m_limit;
    // Headers met, by offset and a hash of the name: two headers at one
    // offset differ in name, and a 64-bit hash tells names apart well enough.
    QSet<QPair<qint64, size_t>> m_headers;
};

}  // namespace sw
