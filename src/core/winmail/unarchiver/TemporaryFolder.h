// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/FileIdentity.h"

#include <QString>

namespace sw {

// The private folders extractions write into: "<prefix>XXXX" under the
// temporary base (TemporaryBase: $TMPDIR when it is usable, an error when
// it is set to something that is not), the four X random, mode 0700 so that
// nobody else can look at or plant anything in what is being extracted.
// While this process keeps a folder it holds a lock on it, so that a folder
// left behind by a run that was killed can be told from one in use.
class TemporaryFolder
{
public:
    // The folder made, or empty when none could be made; error (when given)
    // then says why, naming TMPDIR when that is the cause.
    static QString make(const QString &prefix, QString *error = nullptr);

    // Removes folder, one this program made, and everything in it (an
    // extraction that failed), through the removal core. True when it is gone.
    static bool discard(const QString &folder);
    // The same for a folder that outlived the run that made it (a result
    // the user looked at): reached below its parent without following a
    // link, and removed only while it is the folder made (madeAs, its
    // identity then), so a link or another folder put in its place stays.
    static bool discard(const QString &folder, const FileIdentity &madeAs);

    // Removes the folders named "<prefix>XXXX" under the temporary base that
    // no running process holds: what extractions killed before they could
    // clean up left behind, decrypted contents included. Only the user's
    // own private folders older than a minute are touched (one just made by
    // another run may not hold its lock yet). The number removed.
    static int removeAbandoned(const QStringList &prefixes);

    // A path near path that nothing occupies: "x", "x 2", "x 3", ...
    static QString uniquePath(const QString &path);
};

}  // namespace sw
