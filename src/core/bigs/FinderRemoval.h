#pragma once

#include <QString>

#include <functional>

class QLoggingCategory;

namespace sw {

// One item of a finder's removal (large files, duplicates): moved to the
// Trash unless it lies in a protected system folder. A failure is logged in
// the finder's category as "Fail to remove junk, error=..." and skipped.
class FinderRemoval
{
public:
    // Told of every item tried, with an empty error when it was moved.
    using Listener = std::function<void(const QString &path, const QString &error)>;

    // true when the item was moved.
    static bool moveItem(const QString &path, const QLoggingCategory &category, const Listener &listener);
};

}  // namespace sw
