// SPDX-License-Identifier: GPL-3.0-or-later
// A key set and removed in a desktop entry's text: every byte but that
// key's line stays, so switching a login item off and on gives the user's
// file back as it was.

#include "core/platform/DesktopEntryText.h"

#include <gtest/gtest.h>

namespace {

struct Edit
{
    const char *name;
    QByteArray before;
    QByteArray afterSet;     // Hidden=true set
    QByteArray afterRemove;  // then Hidden removed
};

class HiddenKey : public ::testing::TestWithParam<Edit>
{
};

TEST_P(HiddenKey, IsSetAndRemovedWithoutTouchingAnyOtherByte)
{
    sw::DesktopEntryText text(GetParam().before);
    text.setValue("Hidden", "true");
    EXPECT_EQ(text.text(), GetParam().afterSet);
    EXPECT_EQ(text.value("Hidden"), "true");
    text.remove("Hidden");
    EXPECT_EQ(text.text(), GetParam().afterRemove);
    EXPECT_FALSE(text.contains("Hidden"));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HiddenKey,
    ::testing::Values(
        Edit{"added_below_the_header", "# mine\n[Desktop Entry]\nName=A\n",
             "# mine\n[Desktop Entry]\nHidden=true\nName=A\n", "# mine\n[Desktop Entry]\nName=A\n"},
        Edit{"line_ends_kept", "[Desktop Entry]\r\nName=A\r\n", "[Desktop Entry]\r\nHidden=true\r\nName=A\r\n",
             "[Desktop Entry]\r\nName=A\r\n"},
        Edit{"header_that_ends_the_file", "[Desktop Entry]", "[Desktop Entry]\nHidden=true", "[Desktop Entry]"},
        Edit{"last_line_without_its_end", "[Desktop Entry]\nName=A\nHidden=false",
             "[Desktop Entry]\nName=A\nHidden=true", "[Desktop Entry]\nName=A"},
        Edit{"first_replaced_in_place_duplicates_dropped", "[Desktop Entry]\nHidden = false\nName=A\nHidden=0\n",
             "[Desktop Entry]\nHidden=true\nName=A\n", "[Desktop Entry]\nName=A\n"},
        Edit{"comments_and_other_groups_untouched",
             "[Desktop Entry]\nName=A\n#Hidden=false\n[Desktop Action new]\nHidden=false\n",
             "[Desktop Entry]\nHidden=true\nName=A\n#Hidden=false\n[Desktop Action new]\nHidden=false\n",
             "[Desktop Entry]\nName=A\n#Hidden=false\n[Desktop Action new]\nHidden=false\n"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
