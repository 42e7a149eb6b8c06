#pragma once

#include <QString>

namespace sw {

// The private folders extractions write into: "<prefix>XXXX" under
// QDir::tempPath(), the four X random, mode 0700 so that nobody else can
// look at or plant anything in what is being extracted.
class TemporaryFolder
{
public:
    // The folder made, or empty when none could be made.
    static QString make(const QString &prefix);

    // Moves item (the one thing made inside folder) beside folder under a
    // name no other item has, then removes the folder, which is empty by
    // then. Returns the item's new path, or empty when it could not move.
    static QString liftOut(const QString &folder, const QString &item);

    // A path near path that nothing occupies: "x", "x 2", "x 3", ...
    static QString uniquePath(const QString &path);
};

}  // namespace sw
