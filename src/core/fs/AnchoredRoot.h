// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"
#include "core/fs/FolderTree.h"
#include "core/fs/UniqueFd.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

namespace sw {

// A category root (a cache folder, the Trash, a folder the user chose),
// resolved and opened once. Everything below it is reached through its
// descriptor, never by resolving a path string again: each component is
// opened without following a symbolic link and without crossing into another
// mount (openat2 with RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_XDEV,
// or one openat(O_NOFOLLOW) per component where the kernel lacks it). The
// root itself may be a link: a cache kept on another disk is fine once
// resolved, and the real location is what gets checked.
class AnchoredRoot
{
public:
    // An item below the root: its parent folder, open, and its own name.
    struct Item
    {
        UniqueFd parent;
        QByteArray name;
        FileIdentity parentId;
    };

    // nullopt (errno set) when folder is missing or no folder.
    static std::optional<AnchoredRoot> open(const QString &folder);

    const QString &path() const { return m_path; }          // as given, cleaned
    const QString &realPath() const { return m_realPath; }  // where it really is
    int fd() const { return m_fd.get(); }
    const FileIdentity &identity() const { return m_id; }

    // The part of path below the root ("" for the root itself); nullopt when
    // path is not the root or below it, or holds "." or ".." components.
    std::optional<QByteArray> relativeOf(const QString &path) const;
    // A relative path of one or more names, none of them empty, "." or "..".
    static bool isPlainRelative(const QByteArray &relative);
    // The real location of a path below the root (links below are never followed).
    QString realPathOf(const QByteArray &relative) const;
    // The real location of an item to hand to a program that resolves paths
    // itself (the administrator's rm): only when the item exists and no link
    // lies on its way now, else empty. A link further down stays a link for rm.
    QString pathForProgram(const QByteArray &relative) const;
    // Opens the folder at relative ("" for the root); invalid with errno set
    // (ELOOP for a link on the way, EXDEV for a mount) when it cannot.
    UniqueFd openFolder(const QByteArray &relative) const;
    // The parent of a non-empty relative path, opened, and the last name.
    std::optional<Item> locate(const QByteArray &relative) const;
    // What the item at path counts for, measured like FolderTree; 0 when it
    // is missing, special, or a mount point. watch as for FolderTree.
    qint64 measure(const QString &path, const FolderTree::Watch &watch = {}) const;
    // measure() with the newest modification time in the item (FolderTree::measureWithNewest).
    FolderTree::Measured measureWithNewest(const QString &path, const FolderTree::Watch &watch = {}) const;
    // The name of the entry directly below the root that path names, when
    // path is the root's path, a slash and one plain name (as a listing of
    // the root makes it) that relativeOf() accepts; empty otherwise.
    QStringView entryName(const QString &path) const;
    // measure() for the entry of that name directly below the root: one
    // statx for a file, through the root's own descriptor.
    qint64 measureEntry(const QByteArray &name, const FolderTree::Watch &watch = {}) const;
    FolderTree::Measured measureEntryWithNewest(const QByteArray &name, const FolderTree::Watch &watch = {}) const;

    // From now on only hidden entries directly inside the root (".name") are
    // below it: relativeOf refuses the root itself and anything deeper. The
    // home is anchored so for the dot-files an application leaves there.
    void limitToHiddenEntries() { m_hiddenEntriesOnly = true; }

    // Tests use it to exercise the per-component walk on kernels with openat2.
    static void setOpenat2Enabled(bool enabled);

private:
    AnchoredRoot() = default;
    static FolderTree::Measured measureIn(int parent, const FileIdentity &parentId, const char *name, const FolderTree::Watch &watch);

    QString m_path;
    QString m_realPath;
    UniqueFd m_fd;
    FileIdentity m_id;
    bool m_hiddenEntriesOnly = false;
};

}  // namespace sw
