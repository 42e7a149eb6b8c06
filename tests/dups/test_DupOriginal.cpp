// SPDX-License-Identifier: GPL-3.0-or-later
// The best-original keep rule: which copy of a set a person would keep.

#include "core/dups/DupOriginal.h"

#include <gtest/gtest.h>

namespace {

struct Copy
{
    const char *path;
    qint64 modTime;
};

struct OriginalCase
{
    const char *name;
    QList<Copy> copies;
    qsizetype kept;
};

void PrintTo(const OriginalCase &c, std::ostream *os)
{
    *os << c.name;
}

class DupOriginalRule : public ::testing::TestWithParam<OriginalCase>
{
};

TEST_P(DupOriginalRule, KeepsTheCopyAPersonWouldKeep)
{
    const sw::DupOriginal rule({QStringLiteral("/home/u/Downloads"), QStringLiteral("/home/u/.local/share/Trash/"),
                                QStringLiteral("/tmp"), QStringLiteral("/var/tmp")});
    QList<ORDupDataItem> copies;
    for (const Copy &c : GetParam().copies) {
        ORDupDataItem item;
        item.itemPath = QString::fromUtf8(c.path);
        item.itemModTime = c.modTime;
        copies.append(item);
    }
    EXPECT_EQ(rule.keptCopy(copies), GetParam().kept);
}

// Each case is won by one test where the tests before it left the copies
// equal, against what the later tests alone would pick.
INSTANTIATE_TEST_SUITE_P(
    Cases, DupOriginalRule,
    ::testing::Values(
        OriginalCase{"DownloadsLosesThoughOlderAndFirst",
                     {{"/home/u/Downloads/a.pdf", 100}, {"/home/u/Documents/a.pdf", 900}}, 1},
        OriginalCase{"TheTrashLosesThoughTheOtherNameIsMarked",
                     {{"/home/u/.local/share/Trash/files/a.pdf", 100}, {"/home/u/Documents/a (1).pdf", 900}}, 1},
        OriginalCase{"AVolumesTrashLoses",
                     {{"/media/u/disk/.Trash-1000/files/a.pdf", 100}, {"/media/u/disk/a.pdf", 900}}, 1},
        OriginalCase{"TmpLoses", {{"/tmp/x/a.pdf", 100}, {"/home/u/a.pdf", 900}}, 1},
        OriginalCase{"VarTmpLoses", {{"/var/tmp/a.pdf", 100}, {"/srv/a.pdf", 900}}, 1},
        OriginalCase{"AFolderNamedLikeDownloadsIsNotDownloads",
                     {{"/home/u/Downloads/a.pdf", 100}, {"/home/u/Downloads-old/a.pdf", 900}}, 1},
        OriginalCase{"ACopyMarkLosesThoughOlderAndDeeper",
                     {{"/home/u/Pictures/Trip/IMG (1).jpg", 100}, {"/home/u/Pictures/IMG.jpg", 900}}, 1},
        OriginalCase{"InDownloadsTooTheUnmarkedNameWins",
                     {{"/home/u/Downloads/a (1).pdf", 100}, {"/home/u/Downloads/a.pdf", 900}}, 1},
        OriginalCase{"TheOldestWinsThoughShallower",
                     {{"/home/u/Music/Album/song.mp3", 900}, {"/home/u/Music/song.mp3", 100}}, 1},
        OriginalCase{"EqualTimesFallToTheDeepestFolder",
                     {{"/home/u/Music/song.mp3", 500}, {"/home/u/Music/Album/song.mp3", 500},
                      {"/home/u/x/song.mp3", 500}}, 1},
        OriginalCase{"EqualTimesAndDepthsFallToTheFirstFound",
                     {{"/home/u/y/song.mp3", 500}, {"/home/u/x/song.mp3", 500}}, 0},
        OriginalCase{"AllInTransientPlacesStillKeepsOne",
                     {{"/tmp/a.pdf", 500}, {"/home/u/Downloads/a.pdf", 400}}, 1},
        OriginalCase{"NoCopiesKeepsNone", {}, -1}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
