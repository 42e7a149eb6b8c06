#pragma once

#include <QString>

namespace sw {

// Removes files and folders without ever following a symbolic link: a link is
// removed as a link, and a folder's contents are removed through directory
// descriptors opened with O_NOFOLLOW, so a folder swapped for a link during
// the removal is not descended into.
class FileRemover
{
public:
    // Removes a file, a link or a whole folder. On failure returns false and,
    // when error is given, the first failure's message; whatever could be
    // removed is removed.
    static bool removeItem(const QString &path, QString *error = nullptr);
};

}  // namespace sw
