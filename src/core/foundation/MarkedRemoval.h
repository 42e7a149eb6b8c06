// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/RemovalReport.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"

#include <QList>
#include <QString>

namespace sw {

class JobControl;

// The one loop that removes what a user marked in a tool's result. The
// engine turns its marked items into Items, each with its own policy (the
// root it was found below, emptied or whole, whose rights it needs); the
// loop removes them in order through one RemovalRun and counts into the
// job: bytes entry by entry while a folder is emptied, set from the report
// after each item so they end exactly at what went, and one item for each
// that went as asked.
//
// Items that need administrator rights go last, all in one AdminPass (one
// password prompt), or are reported as skipped when that is not allowed.
// An item whose own removal was denied rights somewhere inside it has what
// stays handed to that pass too when its policy says so; its outcome is
// then both attempts together. A cancelled job begins no further item and
// puts no password prompt to the user.
class MarkedRemoval
{
public:
    enum class Rights {
        Own,           // the user's own rights only
        OwnThenAdmin,  // the user's own; what they were denied, the administrator's
        Admin,         // the administrator pass only
    };

    struct Item
    {
        RemovalRun::Item target;  // what goes, from where, how
        Rights rights = Rights::Own;
        // A file that goes once the item went (a Trash item's info file).
        QString companionRoot;
        QString companionPath;
    };

    // Bytes that went of the item at index `item`, in the order they went;
    // an item taken in two attempts appears twice.
    struct Removed
    {
        qsizetype item = 0;
        qint64 bytes = 0;
    };

    explicit MarkedRemoval(LogCategory category) : m_run(category) {}

    // false: items that need administrator rights are reported as skipped.
    void setAdminAllowed(bool allowed) { m_adminAllowed = allowed; }

    QList<Removed> removeMarked(const QList<Item> &items, JobControl &job);
    const RemovalReport &report() const { return m_run.report(); }

private:
    // An item left for the administrator pass.
    struct Deferred
    {
        qsizetype item = 0;
        qsizetype earlier = -1;  // the outcome of its own attempt, if it had one
        qint64 size = 0;         // what is left of it
    };

    const RemovalOutcome &removeOwn(const Item &item);
    QList<RemovalOutcome> runAdmin(const QList<Item> &items, const QList<Deferred> &deferred);

    RemovalRun m_run;
    bool m_adminAllowed = true;
};

}  // namespace sw
