// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate finder's hash cache: what a second scan reads, what makes it
// read a file again, a cache file that cannot be trusted, its bound, and the
// comparison made before a copy goes whatever the cache said.

#include "support/FinderTestSupport.h"
#include "support/TreeSnapshot.h"

#include "core/dups/DupCopyLimit.h"
#include "core/dups/DupHashCache.h"
#include "core/dups/ORDupDataCollection.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using sw::DupHashCache;
using sw::FileKey;
using swtest::changedAt;
using swtest::pattern;

namespace {

constexpr qint64 kSize = 60000;  // samples at 0, 20000 and 40000, 4 KiB each
constexpr qint64 kOutsideSamples = 10000;

// Bytes this process asked the kernel for so far (page cache or not).
qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n'))
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

void pause()
{
    // Past the file system's clock tick: a change now gets other times.
    ::usleep(30 * 1000);
}

class HashCache : public swtest::FinderFixture<ORDupDataCollection>
{
protected:
    void SetUp() override
    {
        FinderFixture::SetUp();
        if (bytesRead() < 0)
            GTEST_SKIP() << "no /proc/self/io here";
        cachePath = ORDupDataCollection::hashCachePath();
        ORDupDataCollection::clearHashCache();
        // The files were written a moment ago: trust them at once.
        engine().setHashCacheSettleNs(-60'000'000'000);
    }
    void TearDown() override
    {
        engine().setHashCacheSettleNs(DupHashCache::kSettleNs);
        engine().setUseHashCache(true);
        ORDupDataCollection::clearHashCache();
        FinderFixture::TearDown();
    }

    QString put(const QString &rel, const QByteArray &bytes) { return tree.text(QStringLiteral("scan/") + rel, bytes); }

    // The sets found, as sorted names, and the bytes read meanwhile.
    QList<QStringList> scan(bool useCache = true, qint64 *read = nullptr)
    {
        prepare({});
        engine().setUseHashCache(useCache);
        const qint64 before = bytesRead();
        const std::shared_ptr<ORDupData> data = engine().scan(job);
        if (read)
            *read = bytesRead() - before;
        QList<QStringList> sets;
        for (const ORDupDataGroup &group : data->dupGroups) {
            QStringList names;
            for (const ORDupDataItem &item : group.groupItems)
                names << item.itemName;
            names.sort();
            sets << names;
        }
        std::sort(sets.begin(), sets.end());
        return sets;
    }

    sw::JobControl job;
    QString cachePath;
};

TEST_F(HashCache, SecondScanOfAnUnchangedTreeReadsATenthAndFindsTheSame)
{
    for (int i = 0; i < 10; ++i) {
        const QByteArray bytes = pattern(quint32(i), 200000);
        put(QStringLiteral("a%1").arg(i), bytes);
        put(QStringLiteral("b%1").arg(i), bytes);
        put(QStringLiteral("c%1").arg(i), changedAt(bytes, 100));  // told apart by its samples
    }
    qint64 first = 0;
    qint64 second = 0;
    qint64 uncached = 0;
    const QList<QStringList> sets = scan(true, &first);
    ASSERT_EQ(sets.size(), 10);
    ASSERT_GT(first, 10 * 2 * 200000);  // the copies compared whole
    EXPECT_EQ(scan(true, &second), sets);
    EXPECT_LE(second * 10, first);
    EXPECT_EQ(scan(false, &uncached), sets);
    EXPECT_GE(uncached * 10, first * 9) << "--no-cache reads every file again";

    struct stat st{};
    ASSERT_EQ(::lstat(QFile::encodeName(cachePath).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    ASSERT_EQ(::lstat(QFile::encodeName(QFileInfo(cachePath).path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
}

// A change to b between the scans: its digests must not be taken from the
// cache (b is read again) and the second scan finds what a scan without the
// cache finds.
struct Change
{
    const char *name;
    std::function<void(const QString &b)> apply;
    int setsAfter;  // of {a, b} and c, a's first 50000 bytes
    friend void PrintTo(const Change &c, std::ostream *os) { *os << c.name; }
};

class HashCacheChange : public HashCache, public ::testing::WithParamInterface<Change>
{
};

TEST_P(HashCacheChange, ChangedFileIsReadAgain)
{
    const QByteArray bytes = pattern(7, kSize);
    put(QStringLiteral("a"), bytes);
    const QString b = put(QStringLiteral("b"), bytes);
    put(QStringLiteral("c"), bytes.left(50000));
    ASSERT_EQ(scan().size(), 1);
    pause();
    GetParam().apply(b);
    qint64 read = 0;
    const QList<QStringList> sets = scan(true, &read);
    EXPECT_EQ(sets.size(), GetParam().setsAfter);
    EXPECT_GE(read, 16384) << "b was not read again";
    EXPECT_EQ(sets, scan(false));
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, HashCacheChange,
    ::testing::Values(
        Change{"Touch", [](const QString &b) { ASSERT_EQ(::utimes(QFile::encodeName(b).constData(), nullptr), 0); }, 1},
        Change{"Truncate", [](const QString &b) { ASSERT_EQ(::truncate(QFile::encodeName(b).constData(), 50000), 0); },
               1},
        Change{"RenameOver",
               [](const QString &b) {
                   ASSERT_TRUE(write(b + QStringLiteral(".new"), changedAt(pattern(7, kSize), kOutsideSamples)));
                   ASSERT_EQ(::rename(QFile::encodeName(b + QStringLiteral(".new")).constData(),
                                      QFile::encodeName(b).constData()),
                             0);
               },
               0},
        Change{"ContentWithModificationTimeRestored",
               [](const QString &b) {
                   struct stat st{};
                   ASSERT_EQ(::stat(QFile::encodeName(b).constData(), &st), 0);
                   ASSERT_TRUE(write(b, changedAt(pattern(7, kSize), kOutsideSamples)));
                   const timespec times[2] = {st.st_atim, st.st_mtim};
                   ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(b).constData(), times, 0), 0);
               },
               0}),
    [](const auto &info) { return std::string(info.param.name); });

// A cache file that cannot be trusted is ignored (everything is read again),
// and replaced, never written through.
struct Damage
{
    const char *name;
    std::function<void(const QString &cache, const QString &elsewhere)> apply;
    friend void PrintTo(const Damage &d, std::ostream *os) { *os << d.name; }
};

class HashCacheDamage : public HashCache, public ::testing::WithParamInterface<Damage>
{
};

void patch(const QString &path, qint64 offset, char value)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(offset));
    ASSERT_EQ(file.write(&value, 1), 1);
}

TEST_P(HashCacheDamage, UnusableCacheIsIgnoredAndReplaced)
{
    const QByteArray bytes = pattern(3, 300000);
    put(QStringLiteral("a"), bytes);
    put(QStringLiteral("b"), bytes);
    qint64 first = 0;
    const QList<QStringList> sets = scan(true, &first);
    const QString elsewhere = tree.text(QStringLiteral("elsewhere"), "not the cache");
    GetParam().apply(cachePath, elsewhere);
    qint64 again = 0;
    EXPECT_EQ(scan(true, &again), sets);
    EXPECT_GE(again * 10, first * 9);
    QFile victim(elsewhere);
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), QByteArray("not the cache"));
    EXPECT_FALSE(QFileInfo(cachePath).isSymLink());
    qint64 third = 0;
    EXPECT_EQ(scan(true, &third), sets);
    EXPECT_LE(third * 10, first) << "the cache written after the damage is used";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, HashCacheDamage,
    ::testing::Values(Damage{"Corrupt", [](const QString &cache, const QString &) { patch(cache, 60, 'x'); }},
                      Damage{"Truncated",
                             [](const QString &cache, const QString &) {
                                 ASSERT_EQ(::truncate(QFile::encodeName(cache).constData(), 100), 0);
                             }},
                      Damage{"OtherVersion", [](const QString &cache, const QString &) { patch(cache, 8, 99); }},
                      Damage{"LinkElsewhere",
                             [](const QString &cache, const QString &elsewhere) {
                                 ASSERT_TRUE(QFile::remove(cache));
                                 ASSERT_TRUE(QFile::link(elsewhere, cache));
                             }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DupHashCacheBound, SavingPastTheBoundDropsWhatWasUsedLongestAgo)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/sweepwright/dup-digests");
    const auto key = [](quint64 inode) { return FileKey{1, inode, 100, 5, 5}; };
    {
        DupHashCache cache(path, 10, 3);
        for (quint64 inode = 1; inode <= 3; ++inode)
            cache.storeSampled(key(inode), {inode, inode});
        ASSERT_TRUE(cache.save());
    }
    {
        DupHashCache cache(path, 10, 3);
        ASSERT_TRUE(cache.load());
        ASSERT_TRUE(cache.sampled(key(2)).has_value());  // used now
        cache.storeWhole(key(4), {4, 4});
        cache.storeWhole(key(5), {5, 5});
        ASSERT_TRUE(cache.save());
    }
    DupHashCache cache(path, 10, 3);
    ASSERT_TRUE(cache.load());
    EXPECT_EQ(cache.loadedCount(), 3u);
    EXPECT_EQ(cache.sampled(key(2)), (sw::Digest128{2, 2}));
    EXPECT_EQ(cache.whole(key(4)), (sw::Digest128{4, 4}));
    EXPECT_EQ(cache.whole(key(5)), (sw::Digest128{5, 5}));
    EXPECT_FALSE(cache.sampled(key(1)).has_value());
    EXPECT_FALSE(cache.whole(key(2)).has_value());
}

TEST(DupHashCacheBound, StateChangedTooRecentlyIsNotKept)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/dup-digests");
    {
        DupHashCache cache(path, 10);
        cache.storeSampled(FileKey{1, 1, 100, 5, 10}, {1, 1});  // changed at the moment trusted from
        cache.storeSampled(FileKey{1, 2, 100, 5, 9}, {2, 2});
        ASSERT_TRUE(cache.save());
    }
    DupHashCache cache(path, 10);
    ASSERT_TRUE(cache.load());
    EXPECT_EQ(cache.loadedCount(), 1u);
}

// Sets grouped from cached digests were not read: a copy changed since the
// scan (outside its samples, its modification time restored) stays, and so
// does every copy of a set whose kept copy is gone.
TEST_F(HashCache, RemovalComparesEachCopyWithTheKeptOneFirst)
{
    const QByteArray bytes = pattern(11, kSize);
    const QByteArray other = pattern(12, kSize);
    const QString a = put(QStringLiteral("a"), bytes);
    const QString b = put(QStringLiteral("b"), bytes);
    const QString c = put(QStringLiteral("c"), bytes);
    const QString x = put(QStringLiteral("x"), other);
    const QString y = put(QStringLiteral("y"), other);
    ASSERT_EQ(scan().size(), 2);
    ASSERT_EQ(scan().size(), 2);  // from the cache
    const std::shared_ptr<ORDupData> data = engine().tempDupData();
    for (ORDupDataGroup &group : data->dupGroups)
        sw::DupCopyLimit::setGroupMarked(group, true, 0);  // keep the first: a, x
    ASSERT_TRUE(write(b, changedAt(bytes, kOutsideSamples)));
    ASSERT_TRUE(QFile::remove(x));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(scanned);
    const sw::RemovalReport report = engine().remove(job);
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(scanned);
    EXPECT_EQ(before.vanished(after), QStringList{c});
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(report.refusedCount(), 2);
    EXPECT_EQ(report.removedBytes(), kSize);
    EXPECT_TRUE(QFileInfo::exists(a) && QFileInfo::exists(b) && QFileInfo::exists(y));
    EXPECT_FALSE(QFileInfo::exists(c));
}

}  // namespace
