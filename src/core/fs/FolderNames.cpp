// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/FolderNames.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace sw {

FolderNames::FolderNames(int folderFd)
{
    const int fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return;
    m_dir = ::fdopendir(fd);
    if (!m_dir) {
        ::close(fd);
        return;
    }
    ::rewinddir(m_dir);  // the duplicate shares its offset with the original
}

FolderNames::~FolderNames()
{
    if (m_dir)
        ::closedir(m_dir);
}

const char *FolderNames::next()
{
    if (!m_dir)
        return nullptr;
    while (const dirent *entry = ::readdir(m_dir)) {
        const char *name = entry->d_name;
        if (!(name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))))
            return name;
    }
    return nullptr;
}

bool FolderNames::isRepresentable(QByteArrayView name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return true;
    const QByteArray bytes = QByteArray::fromRawData(name.data(), name.size());
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

}  // namespace sw
