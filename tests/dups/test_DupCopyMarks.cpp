// SPDX-License-Identifier: GPL-3.0-or-later
// The marks programs add to the name of a copy.

#include "core/dups/DupCopyMarks.h"

#include <gtest/gtest.h>

namespace {

struct MarkCase
{
    const char *name;
    const char *fileName;
    bool marked;
};

void PrintTo(const MarkCase &c, std::ostream *os)
{
    *os << c.name;
}

class DupCopyMarks : public ::testing::TestWithParam<MarkCase>
{
};

TEST_P(DupCopyMarks, TellsACopysNameFromAnOriginals)
{
    EXPECT_EQ(sw::dupmarks::hasCopyMark(QString::fromUtf8(GetParam().fileName)), GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DupCopyMarks,
    ::testing::Values(MarkCase{"Numbered", "Photo (1).jpg", true},
                      MarkCase{"NumberedTwice", "Photo (12).jpg", true},
                      MarkCase{"NumberedWithoutExtension", "README (2)", true},
                      MarkCase{"NumberedBeforeTwoExtensions", "backup (1).tar.gz", true},
                      MarkCase{"CopyInParentheses", "Photo (copy).jpg", true},
                      MarkCase{"CopyTwoInParentheses", "Photo (copy 2).jpg", true},
                      MarkCase{"AnotherCopy", "Photo (another copy).jpg", true},
                      MarkCase{"ThirdCopy", "Photo (3rd copy).jpg", true},
                      MarkCase{"DashCopy", "Photo - Copy.jpg", true},
                      MarkCase{"DashCopyNumbered", "Photo - Copy (2).jpg", true},
                      MarkCase{"CopyOf", "Copy of Photo.jpg", true},
                      MarkCase{"CopyNumberedOf", "Copy (2) of Photo.jpg", true},
                      MarkCase{"TrailingCopy", "Photo copy.jpg", true},
                      MarkCase{"TrailingCopyNumbered", "Photo copy 2.jpg", true},
                      MarkCase{"AnyLetterCase", "NOTES (COPY).TXT", true},
                      MarkCase{"DotInTheNameBeforeTheMark", "v1.2 copy.txt", true},
                      MarkCase{"Plain", "Photo.jpg", false},
                      MarkCase{"CopyInsideAWord", "Photocopy.pdf", false},
                      MarkCase{"CopyAtTheStart", "Copyright.txt", false},
                      MarkCase{"CopyOfAlone", "Copy of.txt", false},
                      MarkCase{"AYearIsNoNumberMark", "Live (1999).mp3", false},
                      MarkCase{"NotANumber", "Photo (1a).jpg", false},
                      MarkCase{"MarkInTheExtension", "notes.copy", false}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
