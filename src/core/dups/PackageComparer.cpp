// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/PackageComparer.h"

#include "core/dups/ContentComparer.h"

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sw {

namespace {

constexpr int kOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;

using Manifest = std::vector<PackageComparer::Item>;

bool sameShape(const PackageComparer::Item &a, const PackageComparer::Item &b)
{
    return a.relative == b.relative && a.kind == b.kind && a.size == b.size && a.target == b.target;
}

bool sameManifest(const Manifest &a, const Manifest &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameShape);
}

// Adds the items of one folder (opened as fd, at prefix) and of its
// sub-folders; takes ownership of fd.
bool collect(int fd, const QByteArray &prefix, int depth, Manifest &out)
{
    DIR *dir = fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool ok = depth < PackageComparer::kMaxDepth;
    while (ok) {
        const dirent *entry = readdir(dir);
        if (!entry)
            break;
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        struct stat st;
        if (fstatat(dirfd(dir), name, &st, AT_SYMLINK_NOFOLLOW) != 0 || out.size() >= PackageComparer::kMaxItems) {
            ok = false;
            break;
        }
        PackageComparer::Item item{prefix + name, 'o', 0, {}, quint64(st.st_dev), quint64(st.st_ino)};
        if (S_ISREG(st.st_mode)) {
            item.kind = 'f';
            item.size = st.st_size;
        } else if (S_ISLNK(st.st_mode)) {
            item.kind = 'l';
            char target[4096];
            const ssize_t n = readlinkat(dirfd(dir), name, target, sizeof target);
            ok = n >= 0;
            item.target = QByteArray(target, n < 0 ? 0 : qsizetype(n));
        } else if (S_ISDIR(st.st_mode)) {
            item.kind = 'd';
            const int child = openat(dirfd(dir), name, kOpenFlags);
            ok = child >= 0 && collect(child, item.relative + '/', depth + 1, out);
        }
        out.push_back(std::move(item));
    }
    closedir(dir);
    return ok;
}

// Splits every class by the contents of the file at one relative path.
std::vector<std::vector<int>> splitByFile(const std::vector<std::vector<int>> &classes,
                                          const std::vector<QByteArray> &packages,
                                          const std::vector<Manifest> &manifests, size_t item)
{
    std::vector<std::vector<int>> next;
    for (const std::vector<int> &members : classes) {
        std::vector<ContentComparer::File> files;
        for (const int m : members) {
            const PackageComparer::Item &it = manifests[size_t(m)][item];
            files.push_back({packages[size_t(m)] + '/' + it.relative, it.device, it.inode});
        }
        const qint64 size = manifests[size_t(members.front())][item].size;
        for (const std::vector<int> &part : ContentComparer::split(files, size)) {
            std::vector<int> mapped;
            for (const int position : part)
                mapped.push_back(members[size_t(position)]);
            next.push_back(std::move(mapped));
        }
    }
    return next;
}

// Classes of two or more packages with the same manifest.
std::vector<std::vector<int>> byManifest(const std::vector<std::optional<Manifest>> &manifests)
{
    std::vector<std::vector<int>> classes;
    for (int i = 0; i < int(manifests.size()); ++i) {
        if (!manifests[size_t(i)])
            continue;
        const auto same = std::find_if(classes.begin(), classes.end(), [&](const std::vector<int> &c) {
            return sameManifest(*manifests[size_t(c.front())], *manifests[size_t(i)]);
        });
        if (same != classes.end())
            same->push_back(i);
        else
            classes.push_back({i});
    }
    std::erase_if(classes, [](const std::vector<int> &c) { return c.size() < 2; });
    return classes;
}

}  // namespace

std::optional<std::vector<PackageComparer::Item>> PackageComparer::manifest(const QByteArray &package)
{
    const int fd = ::open(package.constData(), kOpenFlags);
    if (fd < 0)
        return std::nullopt;
    Manifest items;
    if (!collect(fd, QByteArray(), 0, items))
        return std::nullopt;
    std::sort(items.begin(), items.end(), [](const Item &a, const Item &b) { return a.relative < b.relative; });
    return items;
}

std::vector<std::vector<int>> PackageComparer::split(const std::vector<QByteArray> &packages)
{
    std::vector<std::optional<Manifest>> manifests;
    for (const QByteArray &package : packages)
        manifests.push_back(manifest(package));
    std::vector<std::vector<int>> classes = byManifest(manifests);
    if (classes.empty())
        return classes;
    std::vector<Manifest> known(manifests.size());
    for (size_t i = 0; i < manifests.size(); ++i)
        if (manifests[i])
            known[i] = std::move(*manifests[i]);
    // Every class shares one manifest, so item positions line up across it.
    std::vector<std::vector<int>> done;
    for (std::vector<int> &members : classes) {
        std::vector<std::vector<int>> parts{members};
        const Manifest &shape = known[size_t(members.front())];
        for (size_t item = 0; item < shape.size() && !parts.empty(); ++item)
            if (shape[item].kind == 'f')
                parts = splitByFile(parts, packages, known, item);
        done.insert(done.end(), parts.begin(), parts.end());
    }
    std::sort(done.begin(), done.end(), [](const auto &a, const auto &b) { return a.front() < b.front(); });
    return done;
}

}  // namespace sw
