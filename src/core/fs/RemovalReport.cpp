// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/RemovalReport.h"

namespace sw {

void RemovalReport::add(RemovalOutcome outcome)
{
    m_outcomes.append(std::move(outcome));
}

void RemovalReport::mergeIntoLast(const RemovalOutcome &outcome)
{
    if (m_outcomes.isEmpty())
        return add(outcome);
    RemovalOutcome &last = m_outcomes.last();
    last.size += outcome.size;
    last.removed += outcome.removed;
    last.failures += outcome.failures;
}

const RemovalOutcome &RemovalReport::mergeRetry(qsizetype index, const RemovalOutcome &retry)
{
    RemovalOutcome &first = m_outcomes[index];
    first.removed += retry.removed;
    first.failures = retry.failures;
    return first;
}

qint64 RemovalReport::removedBytes() const
{
    qint64 sum = 0;
    for (const RemovalOutcome &outcome : m_outcomes)
        sum += outcome.removed;
    return sum;
}

qsizetype RemovalReport::failedCount() const
{
    return std::count_if(m_outcomes.cbegin(), m_outcomes.cend(), [](const RemovalOutcome &o) { return !o.ok(); });
}

qsizetype RemovalReport::refusedCount() const
{
    return std::count_if(m_outcomes.cbegin(), m_outcomes.cend(), [](const RemovalOutcome &o) { return o.refused; });
}

qint64 RemovalReport::failedBytes() const
{
    qint64 sum = 0;
    for (const RemovalOutcome &outcome : m_outcomes)
        sum += outcome.left();
    return sum;
}

QList<RemovalFailure> RemovalReport::failures() const
{
    QList<RemovalFailure> all;
    for (const RemovalOutcome &outcome : m_outcomes)
        all += outcome.failures;
    return all;
}

}  // namespace sw
