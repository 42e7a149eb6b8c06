// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/alloc.h"
#include "tnef/decode_error.h"
#include "tnef/support/DecodeRun.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct LimitGuard {
    ~LimitGuard() { set_alloc_limit(0); }
};

TEST(Alloc, OverTheLimitIsFatalWithTheCallersName)
{
    LimitGuard guard;
    set_alloc_limit(100);
    EXPECT_EQ(get_alloc_limit(), 100u);
    free(checked_xmalloc(100));
    sw::StdCapture capture;
    EXPECT_THROW(checked_xmalloc(101), decode_error);
    EXPECT_THROW(checked_xcalloc(11, 10), decode_error);
    const std::string longText(200, 'x');
    EXPECT_THROW(xstrdup(longText.c_str()), decode_error);
    capture.stop();
    EXPECT_EQ(capture.err(),
              "checked_xmalloc: Maximum allocation size exceeded (maxsize = 100; size = 101).\n"
              "checked_xcalloc: Maximum allocation size exceeded (maxsize = 100; size = 110).\n"
              "xstrdup: Maximum allocation size exceeded (maxsize = 100; size = 200).\n");
}

TEST(Alloc, OverflowingCountTimesSizeIsRefused)
{
    sw::StdCapture capture;
    EXPECT_THROW(checked_xcalloc(SIZE_MAX / 2, 4), decode_error);
    capture.stop();
    EXPECT_EQ(capture.err().rfind("xmalloc: Memory allocation failure", 0), 0u) << capture.err();
}

TEST(Alloc, XstrdupKeepsAbsentAbsent)
{
    EXPECT_EQ(xstrdup(nullptr), nullptr);
    owned_str copy(xstrdup("abc"));
    EXPECT_STREQ(copy.get(), "abc");
}

} // namespace
