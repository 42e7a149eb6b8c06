// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"
#include "core/fs/CategoryRoots.h"
#include "core/fs/RemovalReport.h"
#include "core/fs/RemovalRun.h"

#include <QList>
#include <QString>

#include <vector>

namespace sw {

// The administrator pass of a removal run, one for every tool: the items the
// user's own rights cannot take go together to sweepwright-privileged,
// started once through pkexec, so a removal asks for the password once.
//
// Each item is reached below its anchor as the run reaches the user's own
// items (no link followed, no other mount entered). The request names the
// folder of the helper's fixed table that holds it (PrivilegedRoots), that
// folder's device and inode, the item's path below it and its device and
// inode; the helper acts only while what it finds is what was seen here, so
// a folder swapped for a link while the password dialog is up is refused
// there, not followed. Counted is what the helper removed.
class AdminPass
{
public:
    enum class Status {
        Nothing,    // nothing was handed over (no item, or none could be)
        Ran,        // the helper ran and answered
        Cancelled,  // the user dismissed the password dialog
        Refused,    // authorisation refused, no pkexec, or the helper is missing or failed
    };

    using Item = RemovalRun::Item;

    explicit AdminPass(RemovalRun &run) : m_run(run) {}

    void add(Item item) { m_items.append(std::move(item)); }
    bool isEmpty() const { return m_items.isEmpty(); }

    // Runs the helper once for every item added and returns one outcome per
    // item, in the order added. The outcomes are not added to the run: a
    // tool may fold one into its own attempt first.
    QList<RemovalOutcome> run();
    Status status() const { return m_status; }
    // Why every item handed over stays when the helper did not run
    // (cancelled, refused, missing); empty otherwise.
    const QString &reason() const { return m_reason; }

    // $SWEEPWRIGHT_PRIVILEGED when set, else the helper installed beside the
    // programs (or in the build tree beside them); empty when none is there.
    static QString helperPath();

private:
    struct Pending;
    // A folder of the helper's table, opened for this run.
    struct TableFolder
    {
        QString entry;  // as the table writes it
        AnchoredRoot root;
    };
    std::optional<Pending> prepare(const Item &item, RemovalOutcome &outcome);
    void launch(const QList<Pending> &pending, QList<QByteArray> &answers);
    void settle(const Pending &pending, const QByteArray *answer, RemovalOutcome &outcome) const;

    RemovalRun &m_run;
    QList<Item> m_items;
    std::vector<TableFolder> m_table;
    Status m_status = Status::Nothing;
    QString m_reason;
};

}  // namespace sw
