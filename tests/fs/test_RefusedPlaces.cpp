// SPDX-License-Identifier: GPL-3.0-or-later
// The places no removal may take, judged by identity on a fixture tree:
// a place reached through a link on its way or by a link's name, the folders
// holding a home, what lies in a protected folder (missing entries too), and
// a link to a protected folder, which goes as a link. Bind mounts are in the
// shredder's and the shred command's tests.

#include "core/fs/RefusedPlaces.h"
#include "core/fs/UniqueFd.h"
#include "support/FixtureTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace {

using Relation = sw::RefusedPlaces::Relation;
using Kind = sw::RefusedPlaces::Kind;

struct PlaceCase
{
    const char *name;
    const char *path;  // in the fixture; "" for its top
    std::optional<Relation> expected;
    QStringList exceptKeys;
};

void PrintTo(const PlaceCase &c, std::ostream *os)
{
    *os << c.name;
}

class RefusedPlacesTest : public ::testing::TestWithParam<PlaceCase>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        tree.file(QStringLiteral("data/homes/u/Documents/a"), 1);
        tree.file(QStringLiteral("data/homes/v"), 1);
        tree.link(QStringLiteral("homes"), tree.path(QStringLiteral("data/homes")));
        tree.file(QStringLiteral("root/usr/lib/x"), 1);
        tree.link(QStringLiteral("root/lib"), QStringLiteral("usr/lib"));
        tree.file(QStringLiteral("root/etc/passwd"), 1);
        tree.link(QStringLiteral("drop/etc-link"), tree.path(QStringLiteral("root/etc")));
    }

    // As a privileged caller would name them: nothing from the layout.
    sw::RefusedPlaces places() const
    {
        return sw::RefusedPlaces({{tree.path(QStringLiteral("root")), Kind::Root, {}},
                                  {tree.path(QStringLiteral("homes/u")), Kind::Home, {}},
                                  {tree.path(QStringLiteral("root/etc")), Kind::Protected, {}},
                                  {tree.path(QStringLiteral("root/lib")), Kind::Protected, {}},
                                  {tree.path(QStringLiteral("data/homes/u/Documents")), Kind::UserFolder,
                                   QStringLiteral("DOCUMENTS")}});
    }

    swtest::FixtureTree tree;
};

TEST_P(RefusedPlacesTest, JudgesTheEntryWhereItReallyIs)
{
    const PlaceCase &c = GetParam();
    const QString path = QDir::cleanPath(tree.path(QString::fromLatin1(c.path)));
    const QFileInfo item(path);
    // Its folder is opened following links, as the removal opens it.
    const sw::UniqueFd folder(::open(QFile::encodeName(item.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(folder.isValid()) << item.path().toStdString();

    const auto match = places().matchEntry(folder.get(), QFile::encodeName(item.fileName()).constData(), c.exceptKeys);
    ASSERT_EQ(match.has_value(), c.expected.has_value()) << (match ? sw::RefusedPlaces::reason(*match).toStdString() : "");
    if (match) {
        EXPECT_EQ(match->relation, *c.expected) << sw::RefusedPlaces::reason(*match).toStdString();
        EXPECT_FALSE(sw::RefusedPlaces::reason(*match).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Places, RefusedPlacesTest,
    ::testing::Values(PlaceCase{"TheHomeByItsRealPath", "data/homes/u", Relation::Is, {}},
                      PlaceCase{"TheHomeThroughALinkOnTheWay", "homes/u", Relation::Is, {}},
                      PlaceCase{"ALinkOnTheWayToTheHome", "homes", Relation::Holds, {}},
                      PlaceCase{"TheRealFolderHoldingTheHome", "data/homes", Relation::Holds, {}},
                      PlaceCase{"TheTopHoldingTheLayoutRoot", "", Relation::Holds, {}},
                      PlaceCase{"AProtectedFolderByItsLinkName", "root/lib", Relation::Is, {}},
                      PlaceCase{"InsideAProtectedFolderReachedThroughItsLink", "root/lib/x", Relation::LiesInside, {}},
                      PlaceCase{"MissingEntryInsideAProtectedFolder", "root/etc/never-there", Relation::LiesInside, {}},
                      PlaceCase{"ALinkToAProtectedFolderGoesAsALink", "drop/etc-link", std::nullopt, {}},
                      PlaceCase{"AFileBesideTheHome", "data/homes/v", std::nullopt, {}},
                      PlaceCase{"InsideAUserFolder", "data/homes/u/Documents/a", Relation::LiesInside, {}},
                      PlaceCase{"InsideAUserFolderTheCallerAllows", "data/homes/u/Documents/a", std::nullopt,
                                {QStringLiteral("DOCUMENTS")}}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
