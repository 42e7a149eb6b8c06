#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// Paths the program never removes, whatever a category lists: the system's own
// folders (debconf's database, /var/lib, /etc, /usr, /bin, /sbin, /lib,
// /lib64, /boot) below the layout's root and below /, and the root itself.
// Top-level folders (the home, the Trash, a cache root) are kept by the
// removal core instead: a category root is emptied, never removed whole.
class ProtectedPaths
{
public:
    // True when path is one of the protected folders or lies inside one.
    static bool isProtected(const QString &path);
    static QStringList protectedFolders();
};

}  // namespace sw
