// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

namespace sw {

// Moves files and folders to the freedesktop Trash, so that the desktop's own
// Trash lists them and can put them back.
//
// An item on the file system of the home trash (ORLayout::dataHome()/Trash)
// goes there; an item on another file system goes to the trash at the top of
// its own file system ($topdir/.Trash/$uid when an administrator made a sticky
// $topdir/.Trash, else $topdir/.Trash-$uid), because a trash may only hold
// what can be renamed into it. Folders that are missing are created with mode
// 0700. The info file (NAME.trashinfo: the percent-encoded original path and
// the deletion time) is claimed first with O_EXCL, which makes the name
// unique; then the item is renamed into files/NAME (a name too long to have
// an info file beside it is shortened in files/, keeping its extension; the
// info file keeps the whole original path). Nothing is ever copied:
// when no trash can take the item, the move fails with an error. A symbolic
// link is moved as the link, never through it.
//
// Qt's QFile::moveToTrash is not used: without a usable home trash it falls
// back to making files/ and info/ in the current working folder.
class Trash
{
public:
    // Moves the item at the absolute path; returns an error text on failure
    // (and leaves the item where it was), else an empty string. trashedPath
    // receives where the item went.
    static QString moveToTrash(const QString &path, QString *trashedPath = nullptr);
    // The same for the entry name of the open folder parentFd, reached
    // through that descriptor only; path is the item as it was listed and
    // realPath where it really is (for the trash of another file system).
    static QString moveToTrashAt(int parentFd, const QByteArray &name, const QString &path, const QString &realPath,
                                 QString *trashedPath = nullptr);

    // The home trash (dataHome()/Trash), not created.
    static QString homeTrash();

    // The text of an info file. path is written as given (absolute for the
    // home trash, relative to the top folder for a top-folder trash).
    static QByteArray trashInfo(const QString &path, const QDateTime &deletionDate);
    // Percent-encoding of a path for the info file's Path= key: bytes of the
    // local file-name encoding, '/' and the unreserved characters kept.
    static QByteArray encodePath(const QString &path);
};

}  // namespace sw
