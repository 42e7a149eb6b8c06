// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupReferenceFolders.h"

#include <QFile>

#include <sys/stat.h>

namespace sw {

namespace {
// Followed: a link named as a folder stands for the folder it leads to.
std::optional<std::pair<quint64, quint64>> identityOf(const QByteArray &path)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return std::pair{quint64(st.st_dev), quint64(st.st_ino)};
}

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {};
    return slash == 0 ? QByteArray("/") : path.left(slash);
}
}  // namespace

DupReferenceFolders::DupReferenceFolders(const QStringList &folders)
{
    for (const QString &folder : folders)
        if (const auto identity = identityOf(QFile::encodeName(folder)))
            m_identities.insert(*identity);
}

bool DupReferenceFolders::holdsFolder(const QByteArray &folder)
{
    if (m_identities.isEmpty() || folder.isEmpty())
        return false;
    if (const auto known = m_folders.constFind(folder); known != m_folders.cend())
        return *known;
    const auto identity = identityOf(folder);
    bool held = identity && m_identities.contains(*identity);
    if (!held && folder != "/")
        held = holdsFolder(parentOf(folder));
    m_folders.insert(folder, held);
    return held;
}

bool DupReferenceFolders::holds(const QString &path)
{
    return holdsFolder(parentOf(QFile::encodeName(path)));
}

}  // namespace sw
