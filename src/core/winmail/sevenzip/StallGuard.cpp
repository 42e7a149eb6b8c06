// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/winmail/sevenzip/StallGuard.h"

namespace sw {

StallGuard::StallGuard() : m_limit(limit())
{
    m_clock.start();
}

qint64 StallGuard::limit()
{
    bool ok = false;
    const qint64 shortened = qEnvironmentVariableIntValue("SWEEPWRIGHT_STALL_LIMIT_MS", &ok);
    return ok && shortened > 0 ? shortened : kNoProgressLimit;
}

bool StallGuard::firstTime(qint64 offset, const QByteArray &name)
{
    const qsizetype before = m_headers.size();
    m_headers.insert({offset, qHash(name)});
    if (m_headers.size() == before)
        return false;
    progressed();
    return true;
}

}  // namespace sw
