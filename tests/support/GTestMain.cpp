// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a folder's GoogleTest program. With --unit=test_X it runs the
// tests written in test_X.cpp only; without, all of them, and --gtest_filter
// works as usual.

#include "support/TestUnit.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace {

// A filter naming every test of the unit, or an empty one if it has none.
std::string filterFor(std::string_view unit)
{
    std::string filter;
    const testing::UnitTest &all = *testing::UnitTest::GetInstance();
    for (int s = 0; s < all.total_test_suite_count(); ++s) {
        const testing::TestSuite &suite = *all.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo &test = *suite.GetTestInfo(t);
            if (sw::test::unitOf(test.file()) != unit)
                continue;
            if (!filter.empty())
                filter += ':';
            filter += std::string(test.test_suite_name()) + '.' + test.name();
        }
    }
    return filter;
}

} // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with(sw::test::kUnitOption))
            continue;
        const std::string_view unit = arg.substr(sw::test::kUnitOption.size());
        const std::string filter = filterFor(unit);
        // A unit without tests is a misspelt name, not a pass.
        if (filter.empty()) {
            std::cerr << "no tests from " << unit << " in this program\n";
            return 1;
        }
        GTEST_FLAG_SET(filter, filter);
    }
    return RUN_ALL_TESTS();
}
