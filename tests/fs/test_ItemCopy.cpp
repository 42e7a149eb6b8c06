// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fs/ItemCopy.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

using sw::ItemCopy;
using swtest::FixtureTree;

TEST(ItemCopy, AFolderIsCopiedWithItsLinksAsLinksNeverFollowed)
{
    FixtureTree tree;
    tree.text(QStringLiteral("outside/secret.txt"), "secret");
    tree.text(QStringLiteral("src/a.txt"), "a");
    tree.text(QStringLiteral("src/sub/b.txt"), "b");
    tree.link(QStringLiteral("src/out"), tree.path(QStringLiteral("outside")));
    tree.link(QStringLiteral("src/sub/file"), QStringLiteral("../../outside/secret.txt"));

    EXPECT_TRUE(ItemCopy::copy(tree.path(QStringLiteral("src")), tree.path(QStringLiteral("dst"))).isEmpty());
    EXPECT_EQ(FixtureTree::bytesAt(tree.path(QStringLiteral("dst/a.txt"))), "a");
    EXPECT_EQ(FixtureTree::bytesAt(tree.path(QStringLiteral("dst/sub/b.txt"))), "b");
    EXPECT_EQ(QFileInfo(tree.path(QStringLiteral("dst/out"))).symLinkTarget(), tree.path(QStringLiteral("outside")));
    EXPECT_TRUE(QFileInfo(tree.path(QStringLiteral("dst/sub/file"))).isSymLink());
    EXPECT_EQ(QDir(tree.path(QStringLiteral("outside"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("secret.txt")});
}

TEST(ItemCopy, NothingIsCopiedIntoItselfOrOverItself)
{
    FixtureTree tree;
    tree.text(QStringLiteral("src/a.txt"), "keep me");
    tree.folder(QStringLiteral("src/sub"));

    EXPECT_EQ(ItemCopy::copy(tree.path(QStringLiteral("src")), tree.path(QStringLiteral("src/sub/copy"))).size(), 1);
    EXPECT_FALSE(tree.exists(QStringLiteral("src/sub/copy")));
    // Overwriting a file with itself would first empty it.
    EXPECT_EQ(ItemCopy::copy(tree.path(QStringLiteral("src/a.txt")), tree.path(QStringLiteral("src/a.txt"))).size(), 1);
    EXPECT_EQ(FixtureTree::bytesAt(tree.path(QStringLiteral("src/a.txt"))), "keep me");
    EXPECT_EQ(ItemCopy::copy(tree.path(QStringLiteral("src/a.txt")), tree.path(QStringLiteral("none/a.txt"))).size(), 1);
}
