#pragma once

#include <QString>
#include <QStringList>

namespace sw {

// Paths the program never removes, whatever a category lists: the system's own
// folders (debconf's database, /var/lib, /etc, /usr, /bin, /sbin, /lib,
// /lib64, /boot) below the layout's root and below /, the root itself and
// the home folder itself. Callers add the top-level folders of their layout (Trash, Downloads,
// cache roots) as "keep" folders: those may be emptied but not removed whole.
class ProtectedPaths
{
public:
    // True when path is one of the protected folders or lies inside one.
    static bool isProtected(const QString &path);
    // True when path is the root, the home, or one of the keep folders itself.
    static bool isKeepFolder(const QString &path, const QStringList &keepFolders = {});
    static QStringList protectedFolders();
};

}  // namespace sw
