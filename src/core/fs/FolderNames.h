// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

#include <dirent.h>

namespace sw {

// The names directly inside an open folder, hidden ones included, in
// listing order and one at a time as the kernel hands them over ("." and
// ".." left out): a folder of a million entries is read without a string
// per name. Reads a duplicate of the descriptor, from the start.
class FolderNames
{
public:
    explicit FolderNames(int folderFd);
    ~FolderNames();
    FolderNames(const FolderNames &) = delete;
    FolderNames &operator=(const FolderNames &) = delete;

    // False when the folder cannot be read.
    bool isOpen() const { return m_dir != nullptr; }
    // The next name, valid until the next call; nullptr at the end.
    const char *next();

    // Whether a path string can carry the name: the tools pass paths
    // around as text, and a name that is no valid text in the file-name
    // encoding (UTF-8) would come back as another name.
    static bool isRepresentable(QByteArrayView name);

private:
    DIR *m_dir = nullptr;
};

}  // namespace sw
