// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace sw {

// One thing a removal could not do: the full path of what stays, and why.
struct RemovalFailure
{
    QString path;
    QString reason;
};

// What became of one item a removal was asked to remove.
struct RemovalOutcome
{
    QString path;      // the item as it was listed
    qint64 size = 0;   // what the scan found
    qint64 removed = 0;  // the bytes that really went (moved, for the Trash)
    QList<RemovalFailure> failures;  // empty when the item went as asked
    bool refused = false;  // never tried: a place that must not go (the failure says which)
    bool withFolder = false;  // gone with a folder removed before it, its bytes counted there
    QString trashedPath = {};  // where in the Trash it went (TRASH/files/NAME), when it was moved there

    // An item never tried, with the reason it must stay.
    static RemovalOutcome refusal(const QString &path, qint64 size, const QString &reason)
    {
        return {path, size, 0, {{path, reason}}, true, false};
    }

    bool ok() const { return failures.isEmpty(); }
    // Bytes of a failed item that stay (as far as the scan's figure tells).
    qint64 left() const { return ok() ? 0 : qMax<qint64>(0, size - removed); }
};

// Everything one removal run did, item by item, in the order it was asked.
class RemovalReport
{
public:
    void add(RemovalOutcome outcome);
    void clear() { m_outcomes.clear(); }
    // Folds another outcome into the last one (a file that belongs to it).
    void mergeIntoLast(const RemovalOutcome &outcome);
    // Folds a second attempt at the item at index into its outcome: the
    // bytes add up, and what the second attempt left is what stays.
    const RemovalOutcome &mergeRetry(qsizetype index, const RemovalOutcome &retry);
    RemovalOutcome takeLast() { return m_outcomes.takeLast(); }

    const QList<RemovalOutcome> &outcomes() const { return m_outcomes; }
    qint64 removedBytes() const;
    // The items that did not go (wholly), and what of them stays.
    qsizetype failedCount() const;
    // Of those, the ones never tried because they must not go.
    qsizetype refusedCount() const;
    qint64 failedBytes() const;
    // Every failure of every item, in order.
    QList<RemovalFailure> failures() const;
    bool isClean() const { return failedCount() == 0; }

private:
    QList<RemovalOutcome> m_outcomes;
};

}  // namespace sw
