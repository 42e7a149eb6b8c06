// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/MarkedRemoval.h"

#include "core/foundation/AdminPass.h"
#include "core/foundation/JobControl.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace sw {

namespace {

// True when the user's own removal failed for want of rights, which the
// administrator pass may make up for; other failures (a link on the way, a
// vanished item) it must not touch.
bool deniedByRights(const RemovalOutcome &outcome)
{
    const QString denied = QString::fromLocal8Bit(std::strerror(EACCES));
    const QString notPermitted = QString::fromLocal8Bit(std::strerror(EPERM));
    return std::any_of(outcome.failures.cbegin(), outcome.failures.cend(), [&](const RemovalFailure &f) {
        return f.reason == denied || f.reason == notPermitted;
    });
}

}  // namespace

const RemovalOutcome &MarkedRemoval::removeOwn(const Item &marked)
{
    const RemovalRun::Item &item = marked.target;
    const RemovalOutcome &outcome = m_run.remove(item.root, item.path, item.mode, item.size, item.allowed);
    if (outcome.ok() && !marked.companionPath.isEmpty())
        m_run.removeCompanion(marked.companionRoot, marked.companionPath, 0);
    return m_run.report().outcomes().constLast();
}

QList<RemovalOutcome> MarkedRemoval::runAdmin(const QList<Item> &items, const QList<Deferred> &deferred)
{
    QList<RemovalOutcome> outcomes;
    if (!m_adminAllowed) {
        const QString skipped = QCoreApplication::translate("MarkedRemoval", "needs administrator rights; skipped");
        for (const Deferred &d : deferred)
            outcomes.append({items.at(d.item).target.path, d.size, 0, {{items.at(d.item).target.path, skipped}}});
        return outcomes;
    }
    AdminPass pass(m_run);
    for (const Deferred &d : deferred) {
        RemovalRun::Item item = items.at(d.item).target;
        item.size = d.size;  // what is left of it
        pass.add(std::move(item));
    }
    return pass.run();
}

QList<MarkedRemoval::Removed> MarkedRemoval::removeMarked(const QList<Item> &items, JobControl &job)
{
    const qint64 startBytes = job.progress().bytes;
    m_run.setWatch([&job](qint64 bytes) {
        job.addBytes(bytes);
        return !job.isCancelled();
    });
    const auto settle = [&] { job.setBytes(startBytes + m_run.report().removedBytes()); };
    QList<Removed> removed;
    QList<Deferred> deferred;  // after the user's own items
    for (qsizetype i = 0; i < items.size() && !job.isCancelled(); ++i) {
        const Item &marked = items.at(i);
        if (marked.rights == Rights::Admin) {
            deferred.append({i, -1, marked.target.size});
            continue;
        }
        job.setCurrentPath(marked.target.path);
        const RemovalOutcome &outcome = removeOwn(marked);
        if (outcome.removed > 0)
            removed.append({i, outcome.removed});
        if (outcome.ok())
            job.addItems();
        else if (marked.rights == Rights::OwnThenAdmin && deniedByRights(outcome))
            deferred.append({i, m_run.report().outcomes().size() - 1, outcome.left()});
        settle();
    }
    if (deferred.isEmpty() || job.isCancelled())
        return removed;
    const QList<RemovalOutcome> outcomes = runAdmin(items, deferred);
    for (qsizetype i = 0; i < deferred.size(); ++i) {
        const Deferred &d = deferred.at(i);
        const RemovalOutcome &outcome =
            d.earlier < 0 ? m_run.add(outcomes.at(i)) : m_run.addRetry(d.earlier, outcomes.at(i));
        if (outcomes.at(i).removed > 0)
            removed.append({d.item, outcomes.at(i).removed});
        if (outcome.ok())
            job.addItems();
    }
    settle();
    return removed;
}

}  // namespace sw
