// Paths the program never removes, below whatever root the layout has.

#include "FixtureTree.h"

#include "ORLayout.h"
#include "ProtectedPaths.h"

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
    ORLayout::reset();
}

}  // namespace
