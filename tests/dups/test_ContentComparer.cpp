// SPDX-License-Identifier: GPL-3.0-or-later
// Lock-step comparison of files of one size: classes of equal contents,
// differences at any offset and across chunk boundaries, more files than
// may stay open, and files that changed since they were walked.

#include "support/FinderTestSupport.h"

#include "core/dups/ContentComparer.h"

#include <gtest/gtest.h>

using sw::ContentComparer;
using swtest::FixtureTree;
using swtest::changedAt;
using swtest::pattern;

namespace {

using Classes = std::vector<std::vector<int>>;

class Comparer : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tree.isValid()); }

    ContentComparer::File write(const QByteArray &bytes)
    {
        const QString path = tree.text(QStringLiteral("f%1").arg(m_next++), bytes);
        return fileAt(path);
    }
    static ContentComparer::File fileAt(const QString &path)
    {
        struct stat st{};
        ::lstat(QFile::encodeName(path).constData(), &st);
        return {QFile::encodeName(path), quint64(st.st_dev), quint64(st.st_ino)};
    }

    FixtureTree tree;
    int m_next = 0;
};

struct SplitRow
{
    const char *name;
    qint64 size;
    // Per file: the seed of its bytes and, when not -1, an offset to change.
    std::vector<std::pair<int, qint64>> files;
    Classes expected;
};

class ComparerSplit : public Comparer, public ::testing::WithParamInterface<SplitRow>
{
};

TEST_P(ComparerSplit, ClassesOfEqualFiles)
{
    const SplitRow &row = GetParam();
    std::vector<ContentComparer::File> files;
    for (const auto &[seed, offset] : row.files) {
        const QByteArray bytes = pattern(quint32(seed), row.size);
        files.push_back(write(offset < 0 ? bytes : changedAt(bytes, offset)));
    }
    EXPECT_EQ(ContentComparer::split(files, row.size), row.expected);
}

constexpr qint64 kSmall = 20000;
constexpr qint64 kLarge = 3 * 1024 * 1024 + 17;  // several rounds of the largest chunk

INSTANTIATE_TEST_SUITE_P(
    Contents, ComparerSplit,
    ::testing::Values(
        SplitRow{"three_equal", kSmall, {{1, -1}, {1, -1}, {1, -1}}, {{0, 1, 2}}},
        SplitRow{"two_pairs_interleaved", kSmall, {{1, -1}, {2, -1}, {1, -1}, {2, -1}}, {{0, 2}, {1, 3}}},
        SplitRow{"all_different", kSmall, {{1, -1}, {2, -1}, {3, -1}}, {}},
        SplitRow{"differ_in_the_first_byte", kSmall, {{1, -1}, {1, 0}}, {}},
        SplitRow{"differ_in_the_last_byte", kSmall, {{1, -1}, {1, kSmall - 1}}, {}},
        SplitRow{"differ_between_the_samples", kSmall, {{1, -1}, {1, 5000}, {1, -1}}, {{0, 2}}},
        SplitRow{"differ_in_a_later_round", kLarge, {{1, -1}, {1, 2 * 1024 * 1024 + 5}, {1, -1}}, {{0, 2}}},
        SplitRow{"differ_at_the_very_end_of_a_long_file", kLarge, {{1, -1}, {1, kLarge - 1}}, {}},
        SplitRow{"one_file", kSmall, {{1, -1}}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Comparer, MoreFilesThanMayStayOpenAreStillComparedWhole)
{
    const int count = ContentComparer::kMaxOpenFiles + 10;
    std::vector<ContentComparer::File> files;
    std::vector<int> equal;
    std::vector<int> odd;
    for (int i = 0; i < count; ++i) {
        // Every seventh file differs only in its last byte.
        const bool differs = i % 7 == 3;
        QByteArray bytes = pattern(9, 70000);
        if (differs)
            bytes = changedAt(bytes, 69999);
        files.push_back(write(bytes));
        (differs ? odd : equal).push_back(i);
    }
    EXPECT_EQ(ContentComparer::split(files, 70000), (Classes{equal, odd}));
}

TEST_F(Comparer, FilesThatChangedSinceTheWalkBelongToNoClass)
{
    const QByteArray bytes = pattern(4, kSmall);
    std::vector<ContentComparer::File> files{write(bytes), write(bytes), write(bytes), write(bytes), write(bytes)};
    // Replaced by another file of the same bytes: another inode.
    const QString replacement = tree.text(QStringLiteral("replacement"), bytes);
    ASSERT_EQ(::rename(QFile::encodeName(replacement).constData(), files[1].path.constData()), 0);
    // Grown.
    tree.text(QFileInfo(QFile::decodeName(files[2].path)).fileName(), bytes + "x");
    // Swapped for a link to an equal file.
    const QString linked = QFile::decodeName(files[3].path);
    QFile::remove(linked);
    tree.link(QFileInfo(linked).fileName(), QFile::decodeName(files[0].path));
    EXPECT_EQ(ContentComparer::split(files, kSmall), (Classes{{0, 4}}));
    files.push_back(write(bytes));
    EXPECT_EQ(ContentComparer::split(files, kSmall), (Classes{{0, 4, 5}}));
}

TEST_F(Comparer, ChunksStayWithinTheBudget)
{
    EXPECT_EQ(ContentComparer::chunkSize(2, 100), 100);
    EXPECT_EQ(ContentComparer::chunkSize(2, qint64(1) << 40), 64 * 1024);
    EXPECT_EQ(ContentComparer::chunkSize(100000, qint64(1) << 40), 16 * 1024);
    EXPECT_LE(ContentComparer::chunkSize(64, qint64(1) << 40) * 64, 1024 * 1024);
}

}  // namespace
