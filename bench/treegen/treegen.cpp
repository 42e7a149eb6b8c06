// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a file tree for the finders' benchmarks and says what is in it.
//
// Usage: treegen DIR FILES [--big COUNT] [--truth FILE] [--no-data]
//
// FILES files in folders of about 100, two levels deep. Most are small
// (16 KiB or less, which both finders skip by size); the rest are larger,
// of sizes to the byte between 16 KiB and 300 KB (so that many share a
// size with another file, as in a real home):
//   - unique files, whose first 4 KiB differ;
//   - sets of 2 to 4 equal copies (the true duplicates);
//   - sets of 2 or 3 near-duplicates: one size, equal first, middle and last
//     4 KiB, but different elsewhere.
// --big adds COUNT files of 32 MiB to 3 GiB for the large-file finder.
// Files are sparse: only the 4 KiB block that tells them apart is written
// (the first; a near-duplicate also has one of its own between the first and
// the second sample), so the tree is small on disk; --no-data writes no
// block at all (sizes only, for the large-file finder). --truth writes the duplicate
// sets, one per line, tab-separated paths relative to DIR, each line and the
// list sorted.

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int64_t kBlock = 4096;

struct Rng
{
    uint64_t state;
    uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
    int64_t below(int64_t n) { return int64_t(next() % uint64_t(n)); }
};

std::vector<char> block(uint64_t seed)
{
    std::vector<char> bytes(kBlock);
    Rng rng{seed * 0x9E3779B97F4A7C15ull + 1};
    for (char &c : bytes)
        c = char(rng.next() >> 56);
    return bytes;
}

bool makeFolder(const std::string &path)
{
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool g_noData = false;

// A sparse file of size bytes with the given 4 KiB blocks written at their offsets.
bool writeFile(const std::string &path, int64_t size, std::vector<std::pair<int64_t, uint64_t>> blocks)
{
    if (g_noData)
        blocks.clear();
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = ftruncate(fd, size) == 0;
    for (const auto &[offset, seed] : blocks) {
        const std::vector<char> bytes = block(seed);
        const int64_t length = std::min<int64_t>(kBlock, size - offset);
        ok = ok && length > 0 && pwrite(fd, bytes.data(), size_t(length), offset) == length;
    }
    return close(fd) == 0 && ok;
}

class Tree
{
public:
    Tree(std::string root, int64_t files) : m_root(std::move(root)), m_files(files) {}

    bool build(int64_t big)
    {
        if (!makeFolder(m_root))
            return false;
        Rng rng{0x5eed};
        while (m_written < m_files) {
            const int64_t roll = rng.below(100);
            bool ok = true;
            if (roll < 70)
                ok = small(rng);
            else if (roll < 88)
                ok = unique(rng);
            else if (roll < 96)
                ok = duplicates(rng);
            else
                ok = nearDuplicates(rng);
            if (!ok)
                return false;
        }
        for (int64_t i = 0; i < big; ++i) {
            const int64_t size = (int64_t(32) << 20) + rng.below((int64_t(3) << 30) - (int64_t(32) << 20));
            if (!writeFile(nextPath("big", ".mkv"), size, {{0, uint64_t(900000 + i)}}))
                return false;
        }
        return true;
    }

    std::vector<std::vector<std::string>> truth() const { return m_truth; }

private:
    // A size above 16 KiB; near-duplicates need room between their samples.
    static int64_t largerSize(Rng &rng, bool roomy) { return (roomy ? 40000 : 16385) + rng.below(300000); }

    bool small(Rng &rng) { return writeFile(nextPath("s", ".txt"), 1 + rng.below(16384), {}); }

    bool unique(Rng &rng)
    {
        const int64_t size = largerSize(rng, false);
        return writeFile(nextPath("u", ".bin"), size, {{0, uint64_t(m_written) + 1000000000ull}});
    }

    bool duplicates(Rng &rng)
    {
        const int64_t size = largerSize(rng, false);
        const std::vector<std::pair<int64_t, uint64_t>> blocks{{0, ++m_sets * 7919}};
        std::vector<std::string> set;
        for (int64_t copies = 2 + rng.below(3); copies > 0 && m_written < m_files; --copies) {
            set.push_back(nextPath("d", ".dat"));
            if (!writeFile(set.back(), size, blocks))
                return false;
        }
        addTruth(set);
        return true;
    }

    bool nearDuplicates(Rng &rng)
    {
        const int64_t size = largerSize(rng, true);
        const uint64_t seed = ++m_sets * 7919;
        const std::vector<std::pair<int64_t, uint64_t>> blocks{{0, seed}};
        // Between the first and the second sample (at 0, L/3 and 2L/3), each
        // copy its own bytes.
        const int64_t between = (kBlock + size / 3) / 2 / kBlock * kBlock;
        for (int64_t copy = 2 + rng.below(2); copy > 0 && m_written < m_files; --copy) {
            std::vector<std::pair<int64_t, uint64_t>> own = blocks;
            own.emplace_back(between, seed * 31 + uint64_t(copy));
            if (!writeFile(nextPath("n", ".dat"), size, own))
                return false;
        }
        return true;
    }

    std::string nextPath(const char *kind, const char *extension)
    {
        const int64_t n = m_written++;
        const std::string top = m_root + "/f" + std::to_string(n / 10000);
        const std::string folder = top + "/g" + std::to_string(n / 100 % 100);
        if (n % 10000 == 0)
            makeFolder(top);
        if (n % 100 == 0)
            makeFolder(folder);
        return folder + "/" + kind + std::to_string(n) + extension;
    }

    void addTruth(std::vector<std::string> set)
    {
        if (set.size() < 2)
            return;
        for (std::string &path : set)
            path = path.substr(m_root.size() + 1);
        std::sort(set.begin(), set.end());
        m_truth.push_back(std::move(set));
    }

    std::string m_root;
    int64_t m_files;
    int64_t m_written = 0;
    uint64_t m_sets = 0;
    std::vector<std::vector<std::string>> m_truth;
};

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: treegen DIR FILES [--big COUNT] [--truth FILE] [--no-data]\n");
        return 2;
    }
    int64_t big = 0;
    const char *truthFile = nullptr;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-data") == 0)
            g_noData = true;
        else if (std::strcmp(argv[i], "--big") == 0 && i + 1 < argc)
            big = std::atoll(argv[++i]);
        else if (std::strcmp(argv[i], "--truth") == 0 && i + 1 < argc)
            truthFile = argv[++i];
    }
    Tree tree(argv[1], std::atoll(argv[2]));
    if (!tree.build(big)) {
        std::perror("treegen");
        return 1;
    }
    if (truthFile) {
        auto truth = tree.truth();
        std::sort(truth.begin(), truth.end());
        FILE *out = std::fopen(truthFile, "w");
        if (!out)
            return 1;
        for (const auto &set : truth) {
            for (size_t i = 0; i < set.size(); ++i)
                std::fprintf(out, "%s%s", i ? "\t" : "", set[i].c_str());
            std::fputc('\n', out);
        }
        std::fclose(out);
    }
    return 0;
}
