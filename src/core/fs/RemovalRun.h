// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/CategoryRoots.h"
#include "core/fs/FolderTree.h"
#include "core/fs/RemovalReport.h"
#include "core/platform/LogCategory.h"

#include <QSet>
#include <QString>

class QLoggingCategory;

namespace sw {

// One removal run of a tool: every item it removes or moves to the Trash
// goes through here. An item is reached below its category root (opened and
// checked once per run, see CategoryRoots and AnchoredRoot) without following
// any link and without crossing into another mount; a folder's insides go
// through FolderTree. Each item gets an outcome: the bytes that went, or
// what stays and why. Failures are also logged in the tool's category with
// its text ("Fail to remove junk, error=%1").
//
// An item is checked again just before it goes: one that vanished since the
// scan is a failure, unless this run removed it already with a folder that
// holds it (or as the same path listed twice), which is a success of 0 bytes.
class RemovalRun
{
public:
    enum class Mode {
        Whole,     // the item goes, folder and all
        Contents,  // a folder is emptied and stays; a file goes
    };

    // An item as a tool found it, for whatever removes it.
    struct Item
    {
        QString root;  // the category root it was found below
        QString path;
        Mode mode = Mode::Whole;
        qint64 size = 0;  // what the scan found
        CategoryRoots::UserFolderKeys allowed;  // as for remove()
    };

    explicit RemovalRun(LogCategory category,
                        QString failureFormat = QStringLiteral("Fail to remove junk, error=%1"));

    // path lies below root (or is root itself, Contents only); size is what
    // the scan found. allowed: user folders the category looks in by design.
    const RemovalOutcome &remove(const QString &root, const QString &path, Mode mode, qint64 size,
                                 const CategoryRoots::UserFolderKeys &allowed = {});
    // Removes a file that belongs to the item removed last (a Trash item's
    // info file): its bytes and failures count for that item; nothing
    // happens when it does not exist.
    void removeCompanion(const QString &root, const QString &path, qint64 size);
    // Moves path, below a folder the user chose, to the Trash.
    const RemovalOutcome &moveToTrash(const QString &chosenRoot, const QString &path, qint64 size);
    // Moves path to the Trash, reached below its category root as remove()
    // reaches it (the root checked the same way; allowed as there).
    const RemovalOutcome &moveToTrashBelow(const QString &root, const QString &path, qint64 size,
                                           const CategoryRoots::UserFolderKeys &allowed = {});
    // Removes path whole, an item the user chose themselves (a dropped file
    // or folder): reached below its own folder, opened as a chosen root.
    // Refused (the outcome says so, with the reason) where
    // CategoryRoots::chosenItemRefusal says so. Not removed either when its
    // folder is no longer where it really was when the user chose the item
    // (chosenFolder, a real path; not checked when empty): a folder on its
    // way swapped for a link meanwhile is not followed.
    const RemovalOutcome &removeChosen(const QString &path, qint64 size, const QString &chosenFolder = {});
    // Removes the item at relative below root, a root the caller opened and
    // checked itself (the privileged helper's table roots), only while it is
    // still the entry expected (same device and inode): an entry swapped
    // since it was listed is left alone. The root itself is never removed.
    const RemovalOutcome &removeIdentified(const AnchoredRoot &root, const QByteArray &relative,
                                           const FileIdentity &expected, Mode mode, qint64 size);
    // An outcome decided elsewhere (the privileged removal), logged and kept.
    const RemovalOutcome &add(RemovalOutcome outcome);
    // A second attempt, decided elsewhere, at the item of the report's
    // outcome at index (the administrator pass over what the user's rights
    // left): its bytes add to that item's, its failures replace that item's.
    const RemovalOutcome &addRetry(qsizetype index, const RemovalOutcome &retry);

    // Follows the folders being emptied entry by entry and may stop one
    // (see FolderTree): the item then reports what went and that the rest stays.
    void setWatch(FolderTree::Watch watch) { m_watch = std::move(watch); }
    // Called before each file of an item is unlinked, and may set it aside
    // first (see FolderTree::BeforeUnlink).
    void setBeforeUnlink(FolderTree::BeforeUnlink hook) { m_beforeUnlink = std::move(hook); }
    // Asked, through the open folder holding it, just before an item is moved
    // to the Trash: a reason keeps it where it is.
    using BeforeTrash = std::function<QString(int folderFd, const QByteArray &name)>;
    void setBeforeTrash(BeforeTrash hook) { m_beforeTrash = std::move(hook); }

    // Why an item could not be reached or removed, from errno: a link or a
    // mount on its way is named as such.
    static QString reasonOf(int error);

    const RemovalReport &report() const { return m_report; }
    CategoryRoots &roots() { return m_roots; }
    // True when path, or a folder holding it, went in this run.
    bool removedEarlier(const QString &path) const;

private:
    struct Target;
    std::optional<Target> reach(const AnchoredRoot *root, const QString &path, RemovalOutcome &outcome);
    std::optional<Target> reachRelative(const AnchoredRoot *root, const QByteArray &relative, const QString &path,
                                        RemovalOutcome &outcome);
    void removeItem(const Target &target, Mode mode, RemovalOutcome &outcome);
    void trashItem(const AnchoredRoot *root, RemovalOutcome &outcome);
    void fail(RemovalOutcome &outcome, const QString &path, const QString &reason) const;
    // An item not reached (error): gone with a folder removed before it, or a failure for reason.
    void notFound(RemovalOutcome &outcome, const QString &path, int error, const QString &reason) const;
    void log(const RemovalFailure &failure) const;
    const RemovalOutcome &finish(RemovalOutcome outcome);

    LogCategory m_category;
    const QString m_failureFormat;
    CategoryRoots m_roots;
    RemovalReport m_report;
    QSet<QString> m_gone;  // items that went (or were emptied) in this run
    FolderTree::Watch m_watch;
    FolderTree::BeforeUnlink m_beforeUnlink;
    BeforeTrash m_beforeTrash;
};

}  // namespace sw
