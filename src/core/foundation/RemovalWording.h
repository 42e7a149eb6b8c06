// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// The words of a removal: the confirmation's question and button, the line
// on what becomes of the items, and the report's title and figures. One
// table for every tool, the window's and the command line's, so the same
// action reads the same everywhere ("Delete 27 items (385 MB)", "Move 3
// items to the Trash (1.2 GB)"). Counts go through the plural forms.
class RemovalWording
{
public:
    enum class Action {
        DeleteJunk,
        DeleteLargeFiles,
        DeleteDuplicates,
        Uninstall,
        RemoveExtensions,
        Shred,
        LinkDuplicates,
        DeleteEmptyFinds,  // empty files and folders, broken links
    };

    // toTrash: the items go to the Trash rather than for good.
    RemovalWording(Action action, bool toTrash);

    Action action() const { return m_action; }

    // The button that asks for the removal, with its mnemonic: "&Delete",
    // "&Move to the Trash".
    QString actionName() const;
    // "Delete junk files?", "Move duplicates to the Trash?", "Uninstall 2 applications?"
    QString question(int count) const;
    // "Delete 27 items (385 MB)"; count is of applications for Uninstall.
    QString command(int count, qint64 bytes) const;
    // What becomes of the items: "They go to the Trash, where you can restore them."
    QString consequence() const;

    // The report's title: everything went, something stayed, nothing went.
    QString doneTitle() const;
    QString partialTitle() const;
    QString nothingTitle() const;
    // "27 items deleted"
    QString doneCount(int count) const;
    // "2 items could not be deleted (3 kB)"
    QString failedCount(int count, qint64 bytes) const;
    // One item that went, for the details: "Deleted (12 kB)".
    QString itemDone(qint64 bytes) const;
    // Under the busy circle: "Deleting", "Moving to the Trash".
    QString working() const;
    // "2 items were refused": places that never go, whatever the action.
    static QString refusedCount(int count);

private:
    Action m_action;
    bool m_toTrash;
};

}  // namespace sw
