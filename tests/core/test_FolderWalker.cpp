#include "FixtureTree.h"
#include "FolderWalker.h"
#include "ORUtility.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using sw::FolderWalker;

qint64 lstatSize(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_size : -1;
}

class FolderWalkerTest : public ::testing::Test
{
protected:
    QString path(const QString &rel) const { return m_tree.path(rel); }
    swtest::FixtureTree m_tree;
};

TEST_F(FolderWalkerTest, folderSizeSumsEveryEntryWithoutFollowingLinks)
{
    m_tree.file("outside/big", 1 << 20);
    m_tree.file("tree/a", 100);
    m_tree.file("tree/sub/b", 300);
    ASSERT_EQ(::link(QFile::encodeName(path("tree/a")).constData(), QFile::encodeName(path("tree/sub/a2")).constData()),
              0);
    m_tree.link("tree/dirlink", path("outside"));
    m_tree.link("tree/sub/loop", QStringLiteral("."));
    m_tree.file("tree/.hidden", 7);

    const qint64 expected = 100 + 300 + 100 + 7 + lstatSize(path("tree/sub")) + lstatSize(path("tree/dirlink"))
        + lstatSize(path("tree/sub/loop"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree")), expected);
    EXPECT_EQ(FolderWalker::totalSize(path("tree/")), expected);
}

TEST_F(FolderWalkerTest, folderSizeOfSomethingThatIsNotAFolderIsZero)
{
    m_tree.file("tree/a", 100);
    m_tree.link("treelink", path("tree"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree/a")), 0);
    EXPECT_EQ(FolderWalker::totalSize(path("treelink")), 0);
    EXPECT_EQ(FolderWalker::totalSize(path("missing")), 0);
    EXPECT_EQ(FolderWalker::totalSize(QString()), 0);
    EXPECT_EQ(ORUtility::folderSizeAtPath2(path("tree/a")), 0);
}

TEST_F(FolderWalkerTest, folderSizeReachesTreesDeeperThanItsOpenFolderLimit)
{
    QString rel = QStringLiteral("deep");
    qint64 expected = 0;
    for (int level = 0; level < 150; ++level) {
        rel += QStringLiteral("/d");
        ASSERT_FALSE(m_tree.folder(rel).isEmpty());
    }
    m_tree.file(rel + QStringLiteral("/leaf"), 4242);
    expected += 4242;
    for (QString p = rel; p != QLatin1String("deep"); p = p.left(p.lastIndexOf(QLatin1Char('/'))))
        expected += lstatSize(path(p));
    EXPECT_EQ(FolderWalker::totalSize(path("deep")), expected);
}

TEST_F(FolderWalkerTest, folderSizeSkipsUnreadableFolders)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    m_tree.file("tree/open/a", 10);
    m_tree.file("tree/closed/b", 1000);
    ASSERT_EQ(::chmod(QFile::encodeName(path("tree/closed")).constData(), 0), 0);
    const qint64 expected = 10 + lstatSize(path("tree/open")) + lstatSize(path("tree/closed"));
    EXPECT_EQ(FolderWalker::totalSize(path("tree")), expected);
    ::chmod(QFile::encodeName(path("tree/closed")).constData(), 0700);
}

TEST_F(FolderWalkerTest, childNamesIncludeHiddenOnesAndFailOnAnythingButAFolder)
{
    m_tree.file("d/.hidden", 1);
    m_tree.file("d/shown", 1);
    QStringList names = FolderWalker::childNames(path("d")).value_or(QStringList());
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral(".hidden"), QStringLiteral("shown")}));
    EXPECT_FALSE(FolderWalker::childNames(path("missing")).has_value());
    EXPECT_FALSE(FolderWalker::childNames(path("d/shown")).has_value());
    EXPECT_TRUE(ORUtility::contentsOfFolder(path("missing")).isEmpty());
}

}  // namespace
