// SPDX-License-Identifier: GPL-3.0-or-later
// The staging folder 7zz writes into: what its check takes out, and the hand-over.

#include "core/winmail/sevenzip/StagingFolder.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using sw::StagingFolder;
using swtest::FixtureTree;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

// The link's own text, unresolved.
QByteArray readLink(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return QByteArray(buffer, length > 0 ? length : 0);
}

QStringList removedPaths(const StagingFolder &staging)
{
    QStringList paths;
    for (const StagingFolder::Removed &removed : staging.removed())
        paths.append(removed.path);
    paths.sort();
    return paths;
}

} // namespace

TEST(StagingFolder, CheckTakesOutEverythingThatReachesOutsideOrIsSpecial)
{
    FixtureTree tree;
    const QString outsideFile = tree.text(QStringLiteral("outside/secret.txt"), "secret");
    StagingFolder staging(tree.folder(QStringLiteral("dest")));
    ASSERT_TRUE(staging.isValid()) << staging.errorString().toStdString();
    EXPECT_EQ(modeOf(staging.path()) & 07777, 0700u);
    const QString s = staging.path();
    const auto at = [&s](const char *rel) { return s + QLatin1Char('/') + QLatin1String(rel); };

    QDir().mkpath(at("dir/sub"));
    QFile(at("keep.txt")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(QStringLiteral("/etc/passwd"), at("passwd")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../outside/secret.txt"), at("up")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../keep.txt"), at("dir/sibling")));
    ASSERT_TRUE(QFile::link(at("keep.txt"), at("dir/sub/absolute"))); // as 7zz writes absolute links
    ASSERT_TRUE(QFile::link(QStringLiteral("."), at("here")));
    ASSERT_TRUE(QFile::link(QStringLiteral("here/.."), at("climb"))); // harmless as text, not when followed
    ASSERT_TRUE(QFile::link(at("here/.."), at("climbs-too")));        // the same, once made relative
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("dir/pipe")).constData(), 0600), 0);
    ASSERT_EQ(::link(QFile::encodeName(outsideFile).constData(), QFile::encodeName(at("hard")).constData()),
              0);
    QFile(at("tool")).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(at("tool")).constData(), 06777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(at("dir")).constData(), 01777), 0);
    const QByteArray rawBadName = QFile::encodeName(s) + "/caf\xE9.txt";
    const int fd = ::open(rawBadName.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    EXPECT_TRUE(staging.check());
    EXPECT_EQ(removedPaths(staging),
              (QStringList{QStringLiteral("climb"), QStringLiteral("climbs-too"), QStringLiteral("dir/pipe"),
                           QStringLiteral("hard"), QStringLiteral("passwd"), QStringLiteral("up")}));
    EXPECT_EQ(QFile(outsideFile).size(), 6) << "the file outside is untouched";
    EXPECT_EQ(readLink(at("dir/sibling")), "../keep.txt");
    EXPECT_EQ(readLink(at("dir/sub/absolute")), "../../keep.txt")
        << "made relative, so that it survives the hand-over";
    EXPECT_TRUE(FixtureTree::existsAt(at("here")));
    EXPECT_EQ(modeOf(at("tool")) & 07777, 0775u);
    EXPECT_EQ(modeOf(at("dir")) & 07777, 0775u);
    EXPECT_TRUE(FixtureTree::existsAt(at("caf%E9.txt")));

    QStringList listed;
    for (const StagingFolder::Item &item : staging.items())
        listed.append(item.path);
    EXPECT_EQ(listed,
              (QStringList{QStringLiteral("caf%E9.txt"), QStringLiteral("dir"), QStringLiteral("dir/sibling"),
                           QStringLiteral("dir/sub"), QStringLiteral("dir/sub/absolute"),
                           QStringLiteral("here"), QStringLiteral("keep.txt"), QStringLiteral("tool")}));
}

TEST(StagingFolder, HandOverNeverReplacesWhatTheDestinationHolds)
{
    FixtureTree tree;
    const QString destination = tree.folder(QStringLiteral("dest"));
    tree.text(QStringLiteral("dest/report.txt"), "mine");
    StagingFolder staging(destination);
    ASSERT_TRUE(staging.isValid());
    const QString stagingPath = staging.path();
    tree.text(QStringLiteral("dest/") + QFileInfo(stagingPath).fileName() + QStringLiteral("/report.txt"),
              "theirs");
    tree.text(QStringLiteral("dest/") + QFileInfo(stagingPath).fileName() + QStringLiteral("/folder/a.txt"),
              "a");
    ASSERT_TRUE(staging.check());

    const std::optional<QStringList> moved = staging.handOver(destination);
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, (QStringList{destination + QStringLiteral("/folder"),
                                   destination + QStringLiteral("/report 2.txt")}));
    EXPECT_EQ(QFile(destination + QStringLiteral("/report.txt")).size(), 4);
    EXPECT_EQ(QFile(destination + QStringLiteral("/report 2.txt")).size(), 6);
    EXPECT_TRUE(QFile::exists(destination + QStringLiteral("/folder/a.txt")));
    EXPECT_FALSE(FixtureTree::existsAt(stagingPath));

    StagingFolder abandoned(destination);
    tree.text(QStringLiteral("dest/") + QFileInfo(abandoned.path()).fileName() + QStringLiteral("/x/y.txt"),
              "y");
    const QString abandonedPath = abandoned.path();
    EXPECT_TRUE(abandoned.discard());
    EXPECT_FALSE(FixtureTree::existsAt(abandonedPath));
    EXPECT_EQ(QDir(destination).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 3);
}
