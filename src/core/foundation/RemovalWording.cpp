// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/RemovalWording.h"

#include "core/foundation/ORUtility.h"

#include <QCoreApplication>

namespace sw {

namespace {

QString translated(const char *text, int count = -1)
{
    return QCoreApplication::translate("sw::RemovalWording", text, nullptr, count);
}

// How a removal is asked for: the button that starts it, the confirmation's
// action and what becomes of the items.
struct AskRow
{
    const char *actionName;
    const char *command;
    const char *consequence;
};

// How what happened is told: the busy circle, the report's lines and each
// item's line in the details.
struct ReportRow
{
    const char *working;
    const char *doneCount;
    const char *partial;
    const char *nothing;
    const char *failed;
    const char *itemDone;
};

// What the tool removes: the question and the report's title.
struct SubjectRow
{
    const char *question;
    const char *questionToTrash;
    const char *done;
    const char *doneToTrash;
};

enum Ask { AskDelete, AskMoveToTrash, AskRemove, AskUninstall, AskUninstallToTrash, AskShred, AskLink };
enum Report { Deleted, MovedToTrash, Removed, Shredded, Linked };

// By Ask.
const AskRow *askRows()
{
    static const AskRow rows[] = {
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Delete"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Delete %Ln item(s) (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Deleted items do not go to the Trash.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Move to the Trash"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Move %Ln item(s) to the Trash (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Items moved to the Trash can be restored from there.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Remove"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Remove %Ln item(s) (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Deleted items do not go to the Trash.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Uninstall"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Uninstall %Ln application(s) (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Their files are deleted, not moved to the Trash.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Uninstall"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Uninstall %Ln application(s) (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording",
                           "Packages are removed by the package manager; files of yours go to "
                           "the Trash, where you can restore them.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "&Shred"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Shred %Ln item(s) (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Shredded items are removed at once and cannot be restored.")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Replace with &Links"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Replace %Ln copy(s) with links (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording",
                           "Each copy is compared again and becomes a link to the copy kept, which stays as it is.")},
    };
    return rows;
}

// By Report.
const ReportRow *reportRows()
{
    static const ReportRow rows[] = {
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Deleting"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Some items could not be deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Nothing was deleted"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) could not be deleted (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Deleted (%1)")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Moving to the Trash"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) moved to the Trash"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Some items could not be moved to the Trash"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Nothing was moved to the Trash"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) could not be moved to the Trash (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Moved to the Trash (%1)")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Removing"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) removed"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Some items could not be removed"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Nothing was removed"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) could not be removed (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Removed (%1)")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Shredding"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) shredded"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Some items could not be shredded"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Nothing was shredded"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) could not be shredded (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Shredded (%1)")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Replacing with links"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln copy(s) replaced with links"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Some copies could not be replaced"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "No copy was replaced"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln copy(s) could not be replaced (%1)"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Replaced with a link (%1 freed)")},
    };
    return rows;
}

// By RemovalWording::Action.
const SubjectRow *subjectRows()
{
    static const SubjectRow rows[] = {
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Delete junk files?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Move junk files to the Trash?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Junk files deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Junk files moved to the Trash")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Delete large files?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Move large files to the Trash?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Large files deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Large files moved to the Trash")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Delete duplicates?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Move duplicates to the Trash?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Duplicates deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Duplicates moved to the Trash")},
        {QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Uninstall %Ln application(s)?"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Uninstall %Ln application(s)?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Applications uninstalled"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Applications uninstalled")},
        {QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Remove %Ln extension(s)?"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Move %Ln extension(s) to the Trash?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Extensions removed"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Extensions moved to the Trash")},
        {QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Shred %Ln item(s)?"),
         QT_TRANSLATE_N_NOOP("sw::RemovalWording", "Shred %Ln item(s)?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Items shredded"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Items shredded")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Replace duplicates with links?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Replace duplicates with links?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Duplicates replaced with links"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Duplicates replaced with links")},
        {QT_TRANSLATE_NOOP("sw::RemovalWording", "Delete empty and broken items?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Move empty and broken items to the Trash?"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Empty and broken items deleted"),
         QT_TRANSLATE_NOOP("sw::RemovalWording", "Empty and broken items moved to the Trash")},
    };
    return rows;
}

using Action = RemovalWording::Action;

const AskRow &askOf(Action action, bool toTrash)
{
    switch (action) {
    case Action::DeleteJunk:
    case Action::DeleteLargeFiles:
    case Action::DeleteDuplicates:
    case Action::DeleteEmptyFinds:
        return askRows()[toTrash ? AskMoveToTrash : AskDelete];
    case Action::RemoveExtensions:
        return askRows()[toTrash ? AskMoveToTrash : AskRemove];
    case Action::Uninstall:
        return askRows()[toTrash ? AskUninstallToTrash : AskUninstall];
    case Action::LinkDuplicates:
        return askRows()[AskLink];
    case Action::Shred:
        break;
    }
    return askRows()[AskShred];
}

// An uninstall removes packages through their manager even when files go
// to the Trash: its report says "removed".
const ReportRow &reportOf(Action action, bool toTrash)
{
    switch (action) {
    case Action::DeleteJunk:
    case Action::DeleteLargeFiles:
    case Action::DeleteDuplicates:
    case Action::DeleteEmptyFinds:
        return reportRows()[toTrash ? MovedToTrash : Deleted];
    case Action::RemoveExtensions:
        return reportRows()[toTrash ? MovedToTrash : Removed];
    case Action::Uninstall:
        return reportRows()[Removed];
    case Action::LinkDuplicates:
        return reportRows()[Linked];
    case Action::Shred:
        break;
    }
    return reportRows()[Shredded];
}

const SubjectRow &subjectOf(Action action)
{
    return subjectRows()[int(action)];
}

}  // namespace

RemovalWording::RemovalWording(Action action, bool toTrash) : m_action(action), m_toTrash(toTrash) {}

QString RemovalWording::actionName() const
{
    return translated(askOf(m_action, m_toTrash).actionName);
}

QString RemovalWording::question(int count) const
{
    return translated(m_toTrash ? subjectOf(m_action).questionToTrash : subjectOf(m_action).question, count);
}

QString RemovalWording::command(int count, qint64 bytes) const
{
    return translated(askOf(m_action, m_toTrash).command, count).arg(ORUtility::sizeFormatWithNumber(bytes));
}

QString RemovalWording::consequence() const
{
    return translated(askOf(m_action, m_toTrash).consequence);
}

QString RemovalWording::doneTitle() const
{
    return translated(m_toTrash ? subjectOf(m_action).doneToTrash : subjectOf(m_action).done);
}

QString RemovalWording::partialTitle() const
{
    return translated(reportOf(m_action, m_toTrash).partial);
}

QString RemovalWording::nothingTitle() const
{
    return translated(reportOf(m_action, m_toTrash).nothing);
}

QString RemovalWording::doneCount(int count) const
{
    return translated(reportOf(m_action, m_toTrash).doneCount, count);
}

QString RemovalWording::failedCount(int count, qint64 bytes) const
{
    return translated(reportOf(m_action, m_toTrash).failed, count)
        .arg(ORUtility::sizeFormatWithNumber(bytes));
}

QString RemovalWording::itemDone(qint64 bytes) const
{
    return translated(reportOf(m_action, m_toTrash).itemDone).arg(ORUtility::sizeFormatWithNumber(bytes));
}

QString RemovalWording::working() const
{
    return translated(reportOf(m_action, m_toTrash).working);
}

QString RemovalWording::refusedCount(int count)
{
    return translated(QT_TRANSLATE_N_NOOP("sw::RemovalWording", "%Ln item(s) were refused"), count);
}

}  // namespace sw
