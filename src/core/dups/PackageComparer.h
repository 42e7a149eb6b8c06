// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

namespace sw {

// Decides which packages (folders shown as one file) are copies of each
// other: the same items at the same relative paths, of the same kinds, files
// of the same sizes and contents, links with the same targets. Hidden items
// count too. Manifests are compared first (no content read); the files of
// packages whose manifests agree are then compared one relative path at a
// time with ContentComparer, which splits the packages wherever a file
// differs.
class PackageComparer
{
public:
    static constexpr int kMaxDepth = 64;
    static constexpr size_t kMaxItems = 200000;

    struct Item
    {
        QByteArray relative;  // path below the package
        char kind;            // 'f' file, 'd' folder, 'l' link, 'o' anything else
        qint64 size;          // files only
        QByteArray target;    // links only
        quint64 device;
        quint64 inode;
    };

    // The package's items sorted by relative path; nullopt when it cannot be
    // read whole (a folder that cannot be opened, too deep, too many items).
    static std::optional<std::vector<Item>> manifest(const QByteArray &package);

    // Classes of two or more positions in packages, in the order given.
    static std::vector<std::vector<int>> split(const std::vector<QByteArray> &packages);
};

}  // namespace sw
