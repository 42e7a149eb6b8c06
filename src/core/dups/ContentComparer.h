// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupHashCache.h"

#include <QByteArray>

#include <optional>
#include <vector>

namespace sw {

class JobControl;

// Splits files of one size into classes of equal contents by reading them
// in lock-step: chunk by chunk, every file of a class is read at the same
// offset and the class splits wherever the chunks differ. A file left alone
// in its class is not read any further, so files that differ early cost
// little, and every byte of a file is read at most once. Unlike hashing
// whole files and comparing digests, equal classes are proven equal byte by
// byte.
//
// At most kMaxOpenFiles stay open; any further file is opened again for each
// chunk. A file is read only while it is still the one that was walked: the
// same device and inode, a regular file (never through a link) of the
// expected size. A file that fails these checks, or a read, belongs to no
// class.
class ContentComparer
{
public:
    static constexpr int kMaxOpenFiles = 64;

    struct File
    {
        QByteArray path;
        quint64 device = 0;
        quint64 inode = 0;
    };

    // Classes of two or more positions in files, each class and the list in
    // the order of files. A cancelled job stops the reading between chunks
    // (the answer is then of no use). With wholeDigests, each file read to
    // its end gets the XXH3 digest of its contents there (the others none).
    static std::vector<std::vector<int>> split(const std::vector<File> &files, qint64 size,
                                               const JobControl *job = nullptr,
                                               std::vector<std::optional<Digest128>> *wholeDigests = nullptr);

    // Bytes read from each file per round for a class of the given number of files.
    static qint64 chunkSize(size_t fileCount, qint64 size);
};

}  // namespace sw
