// SPDX-License-Identifier: GPL-3.0-or-later
// The selection rules of the result pages, on the junk and duplicate families.

#include "core/foundation/ORDupData.h"
#include "core/foundation/ORJunkData.h"
#include "core/foundation/ORSelection.h"

#include <gtest/gtest.h>

namespace {

using namespace sw::selection;

template <class Group>
Group makeGroup(const QList<qint64> &sizes, bool marked)
{
    Group group;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        typename decltype(group.groupItems)::value_type item;
        item.itemSize = sizes.at(i);
        item.itemPath = QStringLiteral("/data/item%1").arg(i);
        item.isDel = marked;
        group.groupItems.append(item);
        group.groupSize += item.itemSize;
    }
    group.isGroupDelFlag = marked ? 2 : 0;
    group.groupSelectedSize = marked ? group.groupSize : 0;
    return group;
}

ORJunkDataGroup junkGroup(const QList<qint64> &sizes, bool marked = true)
{
    return makeGroup<ORJunkDataGroup>(sizes, marked);
}

QList<bool> marks(const ORJunkDataGroup &group)
{
    QList<bool> out;
    for (const auto &item : group.groupItems)
        out.append(item.isDel);
    return out;
}

// --- item clicks ------------------------------------------------------------

struct ItemClick
{
    const char *name;
    bool startMarked;
    QList<std::pair<qsizetype, bool>> clicks;  // (row, new state)
    qint64 flag;
    qint64 selected;
};

void PrintTo(const ItemClick &c, std::ostream *os)
{
    *os << c.name;
}

class ItemClicks : public ::testing::TestWithParam<ItemClick>
{
};

TEST_P(ItemClicks, KeepFlagAndSelectedSizeConsistent)
{
    const ItemClick &c = GetParam();
    ORJunkDataGroup group = junkGroup({10, 20, 30}, c.startMarked);
    for (const auto &[row, state] : c.clicks)
        setItemMarked(group, row, state);
    EXPECT_EQ(group.isGroupDelFlag, c.flag);
    EXPECT_EQ(group.groupSelectedSize, c.selected);
    EXPECT_EQ(group.groupSelectedSize, markedSize(group));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ItemClicks,
    ::testing::Values(ItemClick{"UncheckOneOfAll", true, {{1, false}}, 1, 40},
                      ItemClick{"UncheckTheLastMarked", true, {{0, false}, {1, false}, {2, false}}, 0, 0},
                      ItemClick{"CheckTheLastUnmarked", false, {{0, true}, {2, true}, {1, true}}, 2, 60},
                      ItemClick{"CheckOneOfNone", false, {{2, true}}, 1, 30},
                      ItemClick{"SameStateTwiceCountsOnce", false, {{2, true}, {2, true}}, 1, 30},
                      ItemClick{"UncheckAnUnmarkedItemSubtractsNothing", false, {{0, true}, {1, false}}, 1, 10},
                      ItemClick{"RowBelowZeroDoesNothing", true, {{-1, false}}, 2, 60},
                      ItemClick{"RowPastTheEndDoesNothing", true, {{3, false}}, 2, 60}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Selection, FlagTwoMeansSelectedEqualsGroupSize)
{
    ORJunkDataGroup group = junkGroup({10, 20}, false);
    setItemMarked(group, 0, true);
    setItemMarked(group, 1, true);
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, group.groupSize);
}

TEST(Selection, GroupWithoutItemsKeepsItsFlagOnStatusCheck)
{
    ORJunkDataGroup group;
    group.isGroupDelFlag = 2;
    EXPECT_EQ(checkItemSelectStatus(group), 2);
    group.isGroupDelFlag = 0;
    EXPECT_EQ(checkItemSelectStatus(group), 0);
}

// --- group clicks -----------------------------------------------------------

TEST(Selection, GroupClickClearsAPartialGroup)
{
    ORJunkDataGroup group = junkGroup({10, 20, 30});
    setItemMarked(group, 0, false);
    groupButtonClick(group);
    EXPECT_EQ(group.isGroupDelFlag, 0);
    EXPECT_EQ(group.groupSelectedSize, 0);
    EXPECT_EQ(marks(group), (QList<bool>{false, false, false}));
}

TEST(Selection, GroupClickMarksAnUnmarkedGroupWhole)
{
    ORJunkDataGroup group = junkGroup({10, 20, 30}, false);
    groupButtonClick(group);
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, 60);
    EXPECT_EQ(marks(group), (QList<bool>{true, true, true}));
    groupButtonClick(group);
    EXPECT_EQ(group.isGroupDelFlag, 0);
    EXPECT_EQ(group.groupSelectedSize, 0);
}

TEST(Selection, GroupClickOnAnEmptyGroupOnlyTogglesTheFlag)
{
    ORJunkDataGroup group;
    groupButtonClick(group);
    EXPECT_EQ(group.isGroupDelFlag, 2);
    EXPECT_EQ(group.groupSelectedSize, 0);
    groupButtonClick(group);
    EXPECT_EQ(group.isGroupDelFlag, 0);
}

TEST(Selection, DuplicateGroupClickKeepsTheFirstCopy)
{
    auto group = makeGroup<ORDupDataGroup>({50, 50, 50}, false);
    groupButtonClick(group, true);
    EXPECT_FALSE(group.groupItems.at(0).isDel);
    EXPECT_TRUE(group.groupItems.at(1).isDel);
    EXPECT_TRUE(group.groupItems.at(2).isDel);
    EXPECT_EQ(group.isGroupDelFlag, 1);
    EXPECT_EQ(group.groupSelectedSize, 100);
    groupButtonClick(group, true);  // a partial group is cleared
    EXPECT_EQ(group.isGroupDelFlag, 0);
    EXPECT_EQ(group.groupSelectedSize, 0);
}

// --- select all / deselect all ------------------------------------------------

TEST(Selection, SelectAllAfterAPartialSelectionNeverExceedsTheGroupSize)
{
    QList<ORJunkDataGroup> groups = {junkGroup({10, 20, 30}), junkGroup({5, 5}), junkGroup({})};
    setItemMarked(groups[0], 1, false);
    setItemMarked(groups[1], 0, false);
    setAllGroupsMarked(groups, true);
    setAllGroupsMarked(groups, true);  // twice: still no more than everything
    for (const ORJunkDataGroup &g : groups) {
        EXPECT_EQ(g.groupSelectedSize, g.groupSize);
        EXPECT_EQ(g.isGroupDelFlag, 2);
    }
    EXPECT_EQ(selectedSize(groups), 70);
    setAllGroupsMarked(groups, false);
    EXPECT_EQ(selectedSize(groups), 0);
    for (const ORJunkDataGroup &g : groups)
        EXPECT_EQ(g.isGroupDelFlag, 0);
}

// --- search -------------------------------------------------------------------

struct SearchCase
{
    const char *name;
    const char16_t *needle;
    QList<qsizetype> listed;
};

void PrintTo(const SearchCase &c, std::ostream *os)
{
    *os << c.name;
}

class Search : public ::testing::TestWithParam<SearchCase>
{
};

TEST_P(Search, ListsMatchingItemsAndHidesTheOthers)
{
    ORJunkDataGroup group = junkGroup({1, 2, 3, 4});
    group.groupItems[0].itemPath = QStringLiteral(u"/home/u/.cache/Café/Résumé.txt");
    group.groupItems[1].itemPath = QStringLiteral("/home/u/.cache/CAFE-data");
    group.groupItems[2].itemPath = QStringLiteral("/home/u/Downloads/report.pdf");
    group.groupItems[3].itemPath = QStringLiteral(u"/home/u/Straße/x");
    const QList<qsizetype> listed = applySearch(group, QString::fromUtf16(GetParam().needle));
    EXPECT_EQ(listed, GetParam().listed);
    for (qsizetype i = 0; i < group.groupItems.size(); ++i)
        EXPECT_EQ(group.groupItems.at(i).isVisible, listed.contains(i)) << i;
}

INSTANTIATE_TEST_SUITE_P(Rules, Search,
                         ::testing::Values(SearchCase{"EmptyShowsAll", u"", {0, 1, 2, 3}},
                                           SearchCase{"IgnoresCase", u"cafe", {0, 1}},
                                           SearchCase{"IgnoresDiacriticsInThePath", u"resume", {0}},
                                           SearchCase{"IgnoresDiacriticsInTheText", u"CAFÉ", {0, 1}},
                                           SearchCase{"MatchesAnywhereInThePath", u"downloads/rep", {2}},
                                           SearchCase{"NonAsciiCase", u"STRAßE/X", {3}},
                                           SearchCase{"NoMatch", u"zzz", {}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Selection, ClearingTheSearchMakesEveryItemVisibleAgain)
{
    ORJunkDataGroup group = junkGroup({1, 2});
    applySearch(group, QStringLiteral("item1"));
    EXPECT_FALSE(group.groupItems.at(0).isVisible);
    applySearch(group, QString());
    EXPECT_TRUE(group.groupItems.at(0).isVisible);
    EXPECT_TRUE(group.groupItems.at(1).isVisible);
}

// --- sort ---------------------------------------------------------------------

QStringList names(const ORJunkDataGroup &group)
{
    QStringList out;
    for (const auto &item : group.groupItems)
        out.append(item.itemPath.section(QLatin1Char('/'), -1));
    return out;
}

TEST(Selection, SortTagsOrderBySizeOrByLowerCasedName)
{
    ORJunkDataGroup group = junkGroup({20, 50, 20, 10});
    const char *paths[] = {"/a/beta", "/b/Alpha", "/c/gamma", "/d/Delta"};
    for (int i = 0; i < 4; ++i)
        group.groupItems[i].itemPath = QString::fromLatin1(paths[i]);

    sortItems(group, 0);
    EXPECT_EQ(names(group), (QStringList{"Alpha", "beta", "gamma", "Delta"}));  // equal sizes keep their order
    sortItems(group, 1);
    EXPECT_EQ(names(group), (QStringList{"Alpha", "beta", "Delta", "gamma"}));
    sortItems(group, 7);
    EXPECT_EQ(names(group), (QStringList{"Alpha", "beta", "Delta", "gamma"}));
}

// --- check images ---------------------------------------------------------------

TEST(Selection, CheckImagesFollowFlagsAndMarks)
{
    ORJunkDataGroup group = junkGroup({10, 20});
    EXPECT_EQ(groupCheckImage(group), QStringLiteral("or_select_all"));
    setItemMarked(group, 0, false);
    EXPECT_EQ(groupCheckImage(group), QStringLiteral("or_select_part"));
    EXPECT_EQ(itemCheckImage(group, group.groupItems.at(0)), QStringLiteral("or_select_off"));
    EXPECT_EQ(itemCheckImage(group, group.groupItems.at(1)), QStringLiteral("or_select_all"));
    setItemMarked(group, 1, false);
    EXPECT_EQ(groupCheckImage(group), QStringLiteral("or_select_off"));
}

TEST(Selection, GroupOfSizeZeroShowsNullAndCannotBeChecked)
{
    ORJunkDataGroup empty;
    empty.isGroupDelFlag = 2;
    EXPECT_EQ(groupCheckImage(empty), QStringLiteral("or_select_null"));
    EXPECT_FALSE(isGroupCheckable(empty));

    ORJunkDataGroup zeroSized = junkGroup({0});
    EXPECT_EQ(groupCheckImage(zeroSized), QStringLiteral("or_select_null"));
    EXPECT_EQ(itemCheckImage(zeroSized, zeroSized.groupItems.at(0)), QStringLiteral("or_select_null"));
    EXPECT_TRUE(isGroupCheckable(junkGroup({1})));
}

}  // namespace
