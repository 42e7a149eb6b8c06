#pragma once

#include <QHash>
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

    // isProtected() for the many paths of one scan: the protected folders
    // and each parent folder are resolved once, when first asked about, and
    // the answer kept for the cache's life (a link made later in the scan is
    // not seen; the removal core checks again before it removes). One
    // thread at a time.
    class Cache
    {
    public:
        Cache();
        bool isProtected(const QString &path);

    private:
        QStringList m_folders;
        QHash<QString, QString> m_realParents;  // parent folder -> its real location, empty when unresolved
    };
};

}  // namespace sw
