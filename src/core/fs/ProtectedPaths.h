// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>

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
        // isProtected(folder/name) || isProtected(realFolder/name) for a
        // plain name listed in folder, whose real location is realFolder,
        // without building either path: what holds for the folder is worked
        // out when it is first asked about.
        bool isProtectedEntry(const QString &folder, const QString &realFolder, QStringView name);

        // The entries of one folder that are protected, for a caller that
        // goes through a long listing of it.
        struct Entries
        {
            bool all = false;   // the folder lies in a protected folder
            QStringList names;  // those that are protected folders themselves

            bool contains(QStringView name) const { return all || names.contains(name); }
        };
        Entries entries(const QString &folder, const QString &realFolder);

    private:
        Entries entriesOf(const QString &folder, const QString &realFolder);
        // Where a clean folder really is; empty when it does not exist. Kept
        // in m_realParents, whose next insertion the reference does not outlive.
        const QString &resolveFolder(const QString &folder);
        const Entries &lastEntries(const QString &folder, const QString &realFolder);

        QStringList m_folders;
        QHash<QString, QString> m_realParents;  // parent folder -> its real location, empty when unresolved
        QHash<std::pair<QString, QString>, Entries> m_entries;  // (folder, real folder) -> its entries
        const std::pair<QString, QString> *m_lastKey = nullptr;  // the one asked about last, in m_entries
        const Entries *m_last = nullptr;
    };
};

}  // namespace sw
