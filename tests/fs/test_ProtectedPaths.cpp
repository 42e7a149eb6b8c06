// SPDX-License-Identifier: GPL-3.0-or-later
// Paths the program never removes, below whatever root the layout has.

#include "support/FixtureTree.h"

#include "core/fs/ProtectedPaths.h"
#include "core/platform/ORLayout.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using sw::ProtectedPaths;

struct PathCase
{
    const char *name;
    const char *path;  // "R" stands for the layout's root, "H" for its home
    bool isProtected;
};

void PrintTo(const PathCase &c, std::ostream *os)
{
    *os << c.name;
}

class Protected : public ::testing::TestWithParam<PathCase>
{
protected:
    void SetUp() override { ORLayout::set(ORLayout::Kind::Freedesktop, QStringLiteral("/srv/R"), QStringLiteral("/srv/H")); }
    void TearDown() override { ORLayout::reset(); }
    static QString expand(const char *path)
    {
        QString p = QString::fromLatin1(path);
        if (p.startsWith(QLatin1Char('R')))
            p.replace(0, 1, QStringLiteral("/srv/R"));
        else if (p.startsWith(QLatin1Char('H')))
            p.replace(0, 1, QStringLiteral("/srv/H"));
        return p;
    }
};

TEST_P(Protected, MatchesWholePathComponentsBelowTheRoot)
{
    EXPECT_EQ(ProtectedPaths::isProtected(expand(GetParam().path)), GetParam().isProtected);
    ProtectedPaths::Cache cache;
    EXPECT_EQ(cache.isProtected(expand(GetParam().path)), GetParam().isProtected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Protected,
    ::testing::Values(PathCase{"Debconf", "R/var/cache/debconf", true},
                      PathCase{"InsideDebconf", "R/var/cache/debconf/config.dat", true},
                      PathCase{"OtherVarCache", "R/var/cache/apt", false},
                      PathCase{"DebconfLookalike", "R/var/cache/debconf-old", false},
                      PathCase{"VarLib", "R/var/lib/dpkg/status", true},
                      PathCase{"Etc", "R/etc", true},
                      PathCase{"Usr", "R/usr/share/doc", true},
                      PathCase{"UsrLookalike", "R/usrlocal", false},
                      PathCase{"Bin", "R/bin/sh", true},
                      PathCase{"Sbin", "R/sbin/init", true},
                      PathCase{"Lib", "R/lib/x", true},
                      PathCase{"Lib64", "R/lib64/ld.so", true},
                      PathCase{"Boot", "R/boot/vmlinuz", true},
                      PathCase{"VarLog", "R/var/log/syslog", false},
                      PathCase{"DotDotIntoEtc", "R/var/log/../../etc/passwd", true},
                      PathCase{"TrailingSlash", "R/etc/", true},
                      PathCase{"RealEtcStaysProtectedUnderAnotherRoot", "/etc/passwd", true},
                      PathCase{"Home", "H/.cache/x", false},
                      PathCase{"FileSystemRoot", "/", true},
                      PathCase{"Empty", "", true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ProtectedPathsDefaultRoot, SystemFoldersOfTheRealRoot)
{
    ORLayout::reset();
    EXPECT_TRUE(ProtectedPaths::isProtected(QStringLiteral("/var/cache/debconf/templates.dat")));
    EXPECT_TRUE(ProtectedPaths::isProtected(QStringLiteral("/usr")));
    EXPECT_FALSE(ProtectedPaths::isProtected(QStringLiteral("/var/cache/apt/archives")));
}

TEST(ProtectedPathsLinks, EntryReachedThroughALinkedParentFolderIsJudgedWhereItIs)
{
    swtest::FixtureTree tree;
    tree.file(QStringLiteral("root/etc/passwd"), 10);
    tree.file(QStringLiteral("root/usr/lib/libx.so"), 10);
    tree.file(QStringLiteral("elsewhere/ok"), 10);
    tree.link(QStringLiteral("root/var/log"), QStringLiteral("../etc"));
    tree.link(QStringLiteral("root/var/cache/lib"), tree.path(QStringLiteral("root/usr/lib")));
    tree.link(QStringLiteral("root/var/cache/fine"), tree.path(QStringLiteral("elsewhere")));
    tree.link(QStringLiteral("root/var/cache/passwd-link"), tree.path(QStringLiteral("root/etc/passwd")));
    tree.file(QStringLiteral("root/var/lib/dpkg/status"), 10);
    tree.file(QStringLiteral("root/var/cache/debconf/config.dat"), 10);
    tree.link(QStringLiteral("elsewhere/var"), tree.path(QStringLiteral("root/var")));
    ORLayout::set(ORLayout::Kind::Freedesktop, tree.path(QStringLiteral("root")), tree.path(QStringLiteral("home")));
    EXPECT_TRUE(ProtectedPaths::isProtected(tree.path(QStringLiteral("root/var/log/passwd"))));
    EXPECT_TRUE(ProtectedPaths::isProtected(tree.path(QStringLiteral("root/var/cache/lib/libx.so"))));
    EXPECT_FALSE(ProtectedPaths::isProtected(tree.path(QStringLiteral("root/var/cache/fine/ok"))));
    // A link itself is removed as a link, wherever it points.
    EXPECT_FALSE(ProtectedPaths::isProtected(tree.path(QStringLiteral("root/var/cache/passwd-link"))));

    // A scan's cache resolves each folder once and tells folders apart,
    // whatever order they are asked in and however often.
    ProtectedPaths::Cache cache;
    for (int round = 0; round < 2; ++round) {
        EXPECT_FALSE(cache.isProtected(tree.path(QStringLiteral("root/var/cache/fine/ok"))));
        EXPECT_TRUE(cache.isProtected(tree.path(QStringLiteral("root/var/cache/lib/libx.so"))));
        EXPECT_FALSE(cache.isProtected(tree.path(QStringLiteral("root/var/cache/fine/other"))));
        EXPECT_TRUE(cache.isProtected(tree.path(QStringLiteral("root/var/log/passwd"))));
        EXPECT_FALSE(cache.isProtected(tree.path(QStringLiteral("root/var/cache/passwd-link"))));
    }

    // A listing's entries are judged by name, the folder worked out once;
    // the answer is the one the whole path and the real path get, for
    // folders that hold protected ones, lie in one, or are links into one.
    const QStringList folders{QStringLiteral("root"), QStringLiteral("root/var"), QStringLiteral("root/var/cache"),
                              QStringLiteral("root/var/log"), QStringLiteral("root/var/cache/lib"),
                              QStringLiteral("root/var/cache/fine"), QStringLiteral("elsewhere/var")};
    const QStringList names{QStringLiteral("etc"), QStringLiteral("lib"), QStringLiteral("usr"),
                            QStringLiteral("debconf"), QStringLiteral("passwd"), QStringLiteral("ok"),
                            QStringLiteral("cache"), QStringLiteral("lib64")};
    int protectedCount = 0;
    for (int round = 0; round < 2; ++round) {
        for (const QString &folder : folders) {
            const QString given = tree.path(folder);
            const QString real = QFileInfo(given).canonicalFilePath();
            for (const QString &name : names) {
                const bool expected = ProtectedPaths::isProtected(given + QLatin1Char('/') + name)
                                      || ProtectedPaths::isProtected(real + QLatin1Char('/') + name);
                EXPECT_EQ(cache.isProtectedEntry(given, real, name), expected)
                    << folder.toStdString() << " / " << name.toStdString();
                protectedCount += expected ? 1 : 0;
            }
        }
    }
    EXPECT_TRUE(cache.isProtectedEntry(tree.path(QStringLiteral("elsewhere/var")),
                                       tree.path(QStringLiteral("root/var")), QStringLiteral("lib")));
    EXPECT_FALSE(cache.isProtectedEntry(tree.path(QStringLiteral("root/var/cache")),
                                        tree.path(QStringLiteral("root/var/cache")), QStringLiteral("fine")));
    EXPECT_GT(protectedCount, 0);
    ORLayout::reset();
}

}  // namespace
