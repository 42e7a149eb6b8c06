// SPDX-License-Identifier: GPL-3.0-or-later
// The keep rules' names and the default of each layout.

#include "core/dups/DupKeepRule.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

using sw::DupKeepRule;

TEST(DupKeepRule, KeysRoundTripAndTheDefaultFollowsTheLayout)
{
    for (const QString &key : sw::dupkeep::keys())
        EXPECT_EQ(sw::dupkeep::key(*sw::dupkeep::fromKey(key)), key);
    EXPECT_EQ(sw::dupkeep::keys().size(), sw::dupkeep::rules().size());
    EXPECT_FALSE(sw::dupkeep::fromKey(QStringLiteral("largest")).has_value());
    ORLayout::set(ORLayout::Kind::MacOS, QStringLiteral("/nonexistent"), QStringLiteral("/nonexistent"));
    EXPECT_EQ(sw::dupkeep::defaultRule(), DupKeepRule::FirstFound);
    ORLayout::set(ORLayout::Kind::Freedesktop, QStringLiteral("/nonexistent"), QStringLiteral("/nonexistent"));
    EXPECT_EQ(sw::dupkeep::defaultRule(), DupKeepRule::BestOriginal);
    ORLayout::reset();
}
