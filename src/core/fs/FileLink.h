// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/AnchoredRoot.h"
#include "core/fs/RemovalReport.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace sw {

// How a copy is replaced by the file it duplicates.
enum class LinkKind {
    Hard,      // the copy's name leads to the kept file (one file system only)
    Reflink,   // the copy keeps its own inode, its data shared with the kept file
    Symbolic,  // the copy becomes a symbolic link to the kept file
};

// Replaces one copy of a file by a link to the copy kept, reaching both below
// their anchored folders without following a link or crossing a mount.
// Neither is touched unless, at that moment: both are regular files of the
// user's own, the copy is still the file the scan found (device, inode, when
// known) and its bytes equal the kept file's. The link is made under a
// temporary name in the copy's folder (kTempPrefix, recognisable after a
// crash) and exchanged with the copy in one rename, then checked: had the
// copy changed meanwhile, the exchange is undone. So the copy's name always
// leads to the copy or to its link, never to nothing; the old copy is then
// unlinked through the removal core.
//
// The outcome's removed bytes are what the disk got back: the copy's size
// when its inode had no other name. A refusal (another user's file, a link
// on the way, another file system for a hard link or a reflink) is marked
// refused; a copy that changed since the scan is a failure that says so.
class FileLink
{
public:
    static constexpr const char *kTempPrefix = ".sweepwright-link.";

    // A file as the scan found it, below the folder it was anchored at.
    struct Side
    {
        const AnchoredRoot *root = nullptr;
        QString path;
        dev_t dev = 0;  // 0: not known (then not checked)
        ino_t ino = 0;
    };

    static RemovalOutcome replace(const Side &kept, const Side &copy, qint64 size, LinkKind kind);

    // What a symbolic link from copyPath to keptPath holds: relative when
    // both lie below commonRoot, else keptRealPath.
    static QByteArray symlinkTarget(const QString &copyPath, const QString &keptPath, const QString &commonRoot,
                                    const QString &keptRealPath);
};

}  // namespace sw
