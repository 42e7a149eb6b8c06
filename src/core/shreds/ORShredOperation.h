// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/JobControl.h"
#include "core/fs/RemovalReport.h"
#include "core/shreds/ORShredItem.h"

#include <QList>
#include <QMutex>
#include <QStringList>

#include <optional>

// The shredder's engine, one per process: the files and folders the user
// dropped or chose, measured, and their removal.
//
// Each item goes whole through the removal core, below its own folder (see
// sw::RemovalRun::removeChosen): links are removed as links and never
// followed, another file system mounted below an item is left alone, a
// folder swapped for a link after it was chosen is not entered, and an item
// whose folder now leads elsewhere (a folder on its way swapped for a link)
// is not removed. The file-system root, the layout's root, the home, a
// folder that holds one of them, and protected folders and what lies in
// them are refused, known by identity (a bind mount does not hide them), and
// so is what the keep list keeps, lies in a kept folder or holds a kept item; the
// reason is known as soon as the item is listed and given again by the
// removal, whose report marks the item refused. shredSize counts only the
// bytes that went; every path that stays is in the report with its reason.
//
// With overwriting on (the "shredOverwrite" setting, or the caller's choice),
// each regular file of one link that the user may write is overwritten once
// with random bytes and flushed, only once it is certain to go: it is first
// renamed within its folder, which fails where its unlink would (see
// sw::overwriteBeforeUnlink). There is no administrator-rights fallback.
class ORShredOperation
{
public:
    static ORShredOperation &shareInstance();

    // Lists and measures paths, in order, only while nothing is listed.
    // Unmeasured (measure false), an item's size is 0 until its removal
    // counts what went: a removal that asks nobody first walks each tree
    // once, not twice.
    void setFolders(const QStringList &paths, bool measure = true);
    // Removes every listed item, overwriting as the setting says.
    void shreddar();
    // The same, followed and stoppable through job (between entries), with
    // overwriting chosen by the caller; returns the report.
    sw::RemovalReport remove(sw::JobControl &job, bool overwrite);
    void startOver();

    // The listed items; nullopt while nothing is listed.
    std::optional<QList<ORShredItem>> folders() const;
    // Bytes removed by the last run.
    qint64 shredSize() const;
    // What the last run did, item by item.
    sw::RemovalReport report() const;

    static bool overwriteEnabled();
    static void setOverwriteEnabled(bool on);

private:
    ORShredOperation() = default;

    mutable QMutex m_mutex;
    std::optional<QList<ORShredItem>> m_folders;
    qint64 m_shredSize = 0;
    sw::RemovalReport m_report;
};
