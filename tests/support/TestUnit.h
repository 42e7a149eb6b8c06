// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder's test program holds the tests of several files; "--unit=test_X"
// picks those of test_X.cpp. ctest runs each file so, as a test of its own.

#include <string_view>

namespace sw::test {

inline constexpr std::string_view kUnitOption = "--unit=";

// The file's name without folder and extension: "/a/b/test_X.cpp" -> "test_X".
inline std::string_view unitOf(std::string_view file)
{
    if (const auto slash = file.rfind('/'); slash != std::string_view::npos)
        file.remove_prefix(slash + 1);
    return file.substr(0, file.rfind('.'));
}

} // namespace sw::test
