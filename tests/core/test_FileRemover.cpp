// Removal that never follows a symbolic link.

#include "FixtureTree.h"

#include "FileRemover.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <fcntl.h>

namespace {

using sw::FileRemover;
using swtest::FixtureTree;

class FileRemoverTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(tree.isValid()); }
    FixtureTree tree;
};

TEST_F(FileRemoverTest, RemovesNestedFoldersWithHiddenEntries)
{
    tree.file(QStringLiteral("victim/a"), 10);
    tree.file(QStringLiteral("victim/.hidden"), 1);
    tree.file(QStringLiteral("victim/b/c/d/e"), 3);
    tree.folder(QStringLiteral("victim/empty/deeper"));
    QString error = QStringLiteral("untouched");
    EXPECT_TRUE(FileRemover::removeItem(tree.path(QStringLiteral("victim")), &error));
    EXPECT_FALSE(tree.exists(QStringLiteral("victim")));
    EXPECT_EQ(error, QStringLiteral("untouched"));
}

TEST_F(FileRemoverTest, RemovesAFolderNestedDeeperThanPathLimits)
{
    QString rel = QStringLiteral("deep");
    for (int i = 0; i < 200; ++i)
        rel += QStringLiteral("/level-with-a-fairly-long-name-%1").arg(i);
    // Built step by step through relative paths: the whole path exceeds PATH_MAX.
    const QByteArray top = QFile::encodeName(tree.folder(QStringLiteral("deep")));
    const int topFd = ::open(top.constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(topFd, 0);
    int fd = topFd;
    for (int i = 0; i < 200; ++i) {
        const QByteArray name = QStringLiteral("level-with-a-fairly-long-name-%1").arg(i).toUtf8();
        ASSERT_EQ(::mkdirat(fd, name.constData(), 0755), 0);
        const int child = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        if (fd != topFd)
            ::close(fd);
        ASSERT_GE(child, 0);
        fd = child;
    }
    const int file = ::openat(fd, "leaf", O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(file, 0);
    ::close(file);
    ::close(fd);
    ::close(topFd);

    EXPECT_TRUE(FileRemover::removeItem(tree.path(QStringLiteral("deep"))));
    EXPECT_FALSE(tree.exists(QStringLiteral("deep")));
}

TEST_F(FileRemoverTest, LinkToAFolderIsRemovedAsALink)
{
    tree.file(QStringLiteral("target/keep"), 5);
    const QString link = tree.link(QStringLiteral("link"), tree.path(QStringLiteral("target")));
    ASSERT_FALSE(link.isEmpty());
    EXPECT_TRUE(FileRemover::removeItem(link));
    EXPECT_FALSE(tree.exists(QStringLiteral("link")));
    EXPECT_TRUE(tree.exists(QStringLiteral("target/keep")));
}

TEST_F(FileRemoverTest, LinksInsideAFolderAreNotFollowed)
{
    tree.file(QStringLiteral("target/keep"), 5);
    tree.file(QStringLiteral("victim/own"), 5);
    tree.link(QStringLiteral("victim/to-folder"), tree.path(QStringLiteral("target")));
    tree.link(QStringLiteral("victim/to-file"), tree.path(QStringLiteral("target/keep")));
    tree.link(QStringLiteral("victim/sub/relative"), QStringLiteral("../../target"));
    tree.link(QStringLiteral("victim/dangling"), tree.path(QStringLiteral("nowhere")));
    EXPECT_TRUE(FileRemover::removeItem(tree.path(QStringLiteral("victim"))));
    EXPECT_FALSE(tree.exists(QStringLiteral("victim")));
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("target/keep"))).size(), 5);
}

TEST_F(FileRemoverTest, DanglingLinkAndPlainFileAreRemoved)
{
    const QString dangling = tree.link(QStringLiteral("dangling"), tree.path(QStringLiteral("nowhere")));
    const QString file = tree.file(QStringLiteral("file"), 3);
    EXPECT_TRUE(FileRemover::removeItem(dangling));
    EXPECT_TRUE(FileRemover::removeItem(file));
    EXPECT_FALSE(tree.exists(QStringLiteral("dangling")));
    EXPECT_FALSE(tree.exists(QStringLiteral("file")));
}

TEST_F(FileRemoverTest, MissingPathFailsWithAMessageNamingIt)
{
    QString error;
    EXPECT_FALSE(FileRemover::removeItem(tree.path(QStringLiteral("missing")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("No such file or directory"))) << error.toStdString();
    EXPECT_FALSE(FileRemover::removeItem(QString()));
}

TEST_F(FileRemoverTest, UnwritableFolderFailsButRemovesWhatItCan)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    tree.file(QStringLiteral("victim/free/a"), 1);
    tree.file(QStringLiteral("victim/locked/b"), 1);
    const QString locked = tree.path(QStringLiteral("victim/locked"));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    QString error;
    EXPECT_FALSE(FileRemover::removeItem(tree.path(QStringLiteral("victim")), &error));
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(tree.exists(QStringLiteral("victim/free")));
    EXPECT_TRUE(tree.exists(QStringLiteral("victim/locked/b")));
}

TEST_F(FileRemoverTest, UnreadableFolderFailsWithoutTouchingItsContents)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    tree.file(QStringLiteral("victim/closed/secret"), 1);
    const QString closed = tree.path(QStringLiteral("victim/closed"));
    ASSERT_EQ(::chmod(QFile::encodeName(closed).constData(), 0), 0);
    QString error;
    EXPECT_FALSE(FileRemover::removeItem(tree.path(QStringLiteral("victim")), &error));
    ::chmod(QFile::encodeName(closed).constData(), 0755);
    EXPECT_TRUE(error.contains(QStringLiteral("closed"))) << error.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("victim/closed/secret")));
}

}  // namespace
