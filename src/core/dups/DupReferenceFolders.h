// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>
#include <utility>

namespace sw {

// The folders the user marked as holding the originals: their copies are
// never selected nor removed. A folder is known by its device and inode, so
// it is recognised under any name: through a symbolic link, a bind mount.
// A path is in a reference folder when one of the folders holding it is one.
// Not safe to share between threads: what a folder is, once asked, is kept.
class DupReferenceFolders
{
public:
    DupReferenceFolders() = default;
    // Folders that cannot be reached now are left out.
    explicit DupReferenceFolders(const QStringList &folders);

    bool isEmpty() const { return m_identities.isEmpty(); }
    // Whether the file at path lies in a reference folder (at any depth).
    bool holds(const QString &path);
    // The same for a folder given as a native path, itself included.
    bool holdsFolder(const QByteArray &folder);

private:
    QSet<std::pair<quint64, quint64>> m_identities;
    QHash<QByteArray, bool> m_folders;  // folders asked about, and the answer
};

}  // namespace sw
