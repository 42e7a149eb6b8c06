#pragma once

#include <QString>

namespace sw {

// The private folders extractions write into: "<prefix>XXXX" under the
// temporary base (TemporaryBase: $TMPDIR when it is usable, an error when
// it is set to something that is not), the four X random, mode 0700 so that
// nobody else can look at or plant anything in what is being extracted.
class TemporaryFolder
{
public:
    // The folder made, or empty when none could be made; error (when given)
    // then says why, naming TMPDIR when that is the cause.
    static QString make(const QString &prefix, QString *error = nullptr);

    // Moves item (a folder, the one thing made inside folder) beside folder
    // under a name no other item has, then removes the folder, which is
    // empty by then. The item is made private (0700) before it moves: beside
    // the folder is the shared temporary folder, and what came out of an
    // archive (an encrypted one above all) is nobody else's to read, whatever
    // modes the archive gave it. Returns the item's new path, or empty when
    // it could not move.
    static QString liftOut(const QString &folder, const QString &item);

    // Removes folder, one this program made, and everything in it (an
    // extraction that failed), through the removal core. True when it is gone.
    static bool discard(const QString &folder);

    // A path near path that nothing occupies: "x", "x 2", "x 3", ...
    static QString uniquePath(const QString &path);
};

}  // namespace sw
