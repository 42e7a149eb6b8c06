// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// Puts an item that Trash moved away back where it came from, the reverse of
// Trash::moveToTrashAt: the item must still be in the Trash (TRASH/files/NAME)
// with its info file (TRASH/info/NAME.trashinfo), and the info file must name
// the place it goes back to. It never replaces anything: the rename itself
// refuses an existing entry (RENAME_NOREPLACE), so a file made there since
// stays. Both folders are reached without following links on the way; a
// folder that is gone is not made again. The info file goes once the item is
// back.
class TrashRestore
{
public:
    // Moves trashedPath back to original (an absolute path); the reason when
    // it cannot, else an empty string.
    static QString putBack(const QString &trashedPath, const QString &original);

    // The original path an info file's text names: absolute as written, or
    // joined to topFolder (the top of the file system holding the trash)
    // when relative; empty when the text names none.
    static QString originalPath(const QByteArray &info, const QString &topFolder);
};

}  // namespace sw
