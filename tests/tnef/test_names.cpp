// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/names.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Names, KnownValuesShowNameAndNumber)
{
    EXPECT_STREQ(get_tnef_name_str(0x800C), "Body <800c>");
    EXPECT_STREQ(get_tnef_name_str(0x9002), "Attachment Rendering Data <9002>");
    EXPECT_STREQ(get_tnef_type_str(0x0003), "date <0003>");
    EXPECT_STREQ(get_mapi_name_str(0x1009), "MAPI_RTF_COMPRESSED <1009>");
    EXPECT_STREQ(get_mapi_name_str(0x3707), "MAPI_ATTACH_LONG_FILENAME <3707>");
    EXPECT_STREQ(get_mapi_name_str(0x0001), "MAPI_ACKNOWLEDGEMENT_MODE <0001>");
    EXPECT_STREQ(get_mapi_name_str(0x7FFF), "MAPI_ATTACHMENT_CONTACTPHOTO <7fff>");
    EXPECT_STREQ(get_mapi_type_str(0x001F), "MAPI unicode-string (null terminated) <001f>");
    EXPECT_STREQ(get_mapi_type_str(0x0002), "MAPI short (signed 16 bits) <0002>");
}

TEST(Names, UnknownValuesShowTheNumberOnly)
{
    EXPECT_STREQ(get_tnef_name_str(0x1234), "1234");
    EXPECT_STREQ(get_tnef_type_str(0x0042), "0042");
    EXPECT_STREQ(get_mapi_name_str(0x8001), "8001");
    EXPECT_STREQ(get_mapi_name_str(0x12345678), "12345678");
    EXPECT_STREQ(get_mapi_type_str(0x0008), "0008");
}

TEST(Names, EachTableHasItsOwnBuffer)
{
    const char *name = get_tnef_name_str(0x800F);
    const char *type = get_tnef_type_str(0x0006);
    EXPECT_STREQ(name, "Attachment Data <800f>");
    EXPECT_STREQ(type, "byte <0006>");
}

TEST(Names, EveryPropertyRowStartsWithThePrefix)
{
    EXPECT_GE(mapi_name_count(), 420u);
    for (uint32_t id = 0; id < 0x8000; ++id) {
        const char *s = get_mapi_name_str(id);
        if (strchr(s, '<') != nullptr) {
            EXPECT_EQ(strncmp(s, "MAPI_", 5), 0) << s;
        }
    }
}

} // namespace
