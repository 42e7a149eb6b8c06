// SPDX-License-Identifier: GPL-3.0-or-later
// Where temporary folders go: TMPDIR only when it is a folder that the user
// owns or that is sticky; anything else is an error naming it.

#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"

#include "core/platform/TemporaryBase.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using swtest::EnvOverride;
using swtest::FixtureTree;

struct Row
{
    const char *name;
    // Makes what TMPDIR names and returns it.
    std::function<QString(FixtureTree &)> prepare;
    bool usable;
};

void own(const QString &path, uid_t uid, mode_t mode)
{
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), uid, uid), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

const Row kRows[] = {
    {"OwnFolder", [](FixtureTree &t) { return t.folder(QStringLiteral("mine")); }, true},
    {"OwnFolderReachedThroughALink",
     [](FixtureTree &t) { return t.link(QStringLiteral("via"), t.folder(QStringLiteral("mine"))); }, true},
    {"StickyFolderOfAnother",
     [](FixtureTree &t) {
         const QString folder = t.folder(QStringLiteral("shared"));
         own(folder, 65534, 01777);
         return folder;
     },
     true},
    {"MissingFolder", [](FixtureTree &t) { return t.path(QStringLiteral("gone")); }, false},
    {"AFile", [](FixtureTree &t) { return t.file(QStringLiteral("file"), 3); }, false},
    {"RelativePath", [](FixtureTree &) { return QStringLiteral("relative/tmp"); }, false},
    {"FolderOfAnotherThatIsNotSticky",
     [](FixtureTree &t) {
         const QString folder = t.folder(QStringLiteral("theirs"));
         own(folder, 65534, 0777);
         return folder;
     },
     false},
};

class TemporaryBaseTest : public ::testing::TestWithParam<Row>
{
};

TEST_P(TemporaryBaseTest, UsesTmpdirOnlyWhenItIsSafe)
{
    if (::geteuid() != 0 && QByteArray(GetParam().name).contains("Another"))
        GTEST_SKIP() << "making a folder of another user needs root";
    FixtureTree tree;
    const QString tmpdir = GetParam().prepare(tree);
    const EnvOverride env("TMPDIR", QFile::encodeName(tmpdir));
    const sw::TemporaryBase::Result result = sw::TemporaryBase::resolve();
    EXPECT_EQ(result.ok(), GetParam().usable) << result.error.toStdString();
    if (result.ok())
        EXPECT_EQ(result.path, tmpdir);
    else
        EXPECT_TRUE(result.error.contains(QDir::cleanPath(tmpdir)) || result.error.contains(tmpdir))
            << result.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Tmpdir, TemporaryBaseTest, ::testing::ValuesIn(kRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TemporaryBase, UnsetMeansTheSystemsOwn)
{
    const EnvOverride env("TMPDIR", QByteArray());
    EXPECT_EQ(sw::TemporaryBase::resolve().path, QStringLiteral("/tmp"));
}

}  // namespace
