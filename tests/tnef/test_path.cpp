// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/flags.h"
#include "tnef/path.h"
#include "tnef/support/DecodeRun.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char *name;
    unsigned int flags;
    const char *input;
    const char *expected; // nullptr: nothing
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.name;
}

std::string rowName(const testing::TestParamInfo<NameCase> &info)
{
    return info.param.name;
}

class Sanitize : public testing::TestWithParam<NameCase> {};

TEST_P(Sanitize, EscapesWhatAFileNameCannotHold)
{
    g_flags = GetParam().flags;
    EXPECT_EQ(sanitize_filename(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Path, Sanitize,
    testing::Values(NameCase{"WindowsSeparatorsAndColon", 0, "a\\b:c.txt", "a%5Cb%3Ac.txt"},
                    NameCase{"Percent", 0, "50%.doc", "50%25.doc"},
                    NameCase{"AllNineSpecials", 0, "\\/:*?\"<>|", "%5C%2F%3A%2A%3F%22%3C%3E%7C"},
                    NameCase{"ControlCharacters", 0, "a\tb\x7f", "a%09b%7F"},
                    NameCase{"Utf8KeptByDefault", 0, "caf\xc3\xa9.txt", "caf\xc3\xa9.txt"},
                    NameCase{"Utf8EscapedUnixSafe", OPT_UNIX_SAFE, "caf\xc3\xa9", "caf%C3%A9"},
                    NameCase{"ShellCharactersUnixSafe", OPT_UNIX_SAFE, "a b;`'[]{}()", "a%20b%3B%60%27%5B%5D%7B%7D%28%29"},
                    NameCase{"ShellCharactersKeptByDefault", 0, "a b (1).txt", "a b (1).txt"},
                    NameCase{"Empty", 0, "", ""}),
    rowName);

TEST(Path, SanitizeOfAbsentNameIsEmpty)
{
    EXPECT_EQ(sanitize_filename(nullptr), "");
}

TEST(Path, CouldBeAWindowsPath)
{
    EXPECT_TRUE(could_be_a_windows_path("dir\\file.txt"));
    EXPECT_TRUE(could_be_a_windows_path("\\\\server\\share\\f"));
    EXPECT_FALSE(could_be_a_windows_path("file.txt"));
    EXPECT_FALSE(could_be_a_windows_path("dir\\"));
    EXPECT_FALSE(could_be_a_windows_path("C:\\dir\\file.txt"));
    EXPECT_FALSE(could_be_a_windows_path("dir/x\\file.txt"));
    EXPECT_FALSE(could_be_a_windows_path("dir\\fi\nle"));
    EXPECT_FALSE(could_be_a_windows_path(nullptr));
}

class Munge : public testing::TestWithParam<NameCase> {};

TEST_P(Munge, GivesTheFileNameBelowTheOutputDirectory)
{
    g_flags = GetParam().flags;
    sw::StdCapture quiet;
    const std::optional<std::string> got = munge_fname(GetParam().input);
    quiet.stop();
    if (GetParam().expected == nullptr)
        EXPECT_FALSE(got) << *got;
    else
        EXPECT_EQ(got.value_or("<nothing>"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Path, Munge,
    testing::Values(NameCase{"PlainName", 0, "report.pdf", "report.pdf"},
                    NameCase{"WindowsPathEscapedWithoutUsePaths", 0, "dir\\sub\\f.txt", "dir%5Csub%5Cf.txt"},
                    NameCase{"WindowsPathKeepsDirectory", OPT_USE_PATHS, "dir\\sub\\f.txt", "dir/sub/f.txt"},
                    NameCase{"LeadingSlashesStripped", OPT_USE_PATHS, "\\\\server\\f.txt", "server/f.txt"},
                    NameCase{"SlashesOnlyDirectoryVanishes", OPT_USE_PATHS, "\\f.txt", "f.txt"},
                    NameCase{"AbsoluteKept", OPT_USE_PATHS | OPT_ABSOLUTE_PATHS, "\\abs\\f.txt", "/abs/f.txt"},
                    NameCase{"DotDotDropped", OPT_USE_PATHS, "..\\..\\etc\\passwd", "etc/passwd"},
                    NameCase{"DotDotInsideDropped", OPT_USE_PATHS, "a\\..\\..\\b\\.\\f", "a/b/f"},
                    NameCase{"DotDotDroppedFromAbsolute", OPT_USE_PATHS | OPT_ABSOLUTE_PATHS, "\\..\\f", "/f"},
                    NameCase{"DotDotAsFileName", OPT_USE_PATHS, "a\\..", nullptr},
                    NameCase{"DotDotName", 0, "..", nullptr},
                    NameCase{"DotName", 0, ".", nullptr},
                    NameCase{"EmptyName", 0, "", nullptr}),
    rowName);

TEST(Path, MungeOfAbsentNameIsNothing)
{
    EXPECT_FALSE(munge_fname(nullptr));
}

TEST(Path, StrippedAbsolutePathIsReportedWhenVerbose)
{
    g_flags = OPT_USE_PATHS | OPT_VERBOSE | OPT_DEBUG;
    sw::StdCapture capture;
    munge_fname("\\abs\\f.txt");
    capture.stop();
    EXPECT_EQ(capture.err(), "WARNING: absolute path stripped: \\abs\\f.txt\n");
    EXPECT_EQ(capture.out(), "!!absolute path stripped: \\abs\\f.txt\n");
}

struct JoinCase {
    const char *name;
    const char *dir;
    const char *file;
    const char *expected;
};

class Concat : public testing::TestWithParam<JoinCase> {};

TEST_P(Concat, JoinsWithOneSlash)
{
    const std::optional<std::string> got = concat_fname(GetParam().dir, GetParam().file);
    if (GetParam().expected == nullptr)
        EXPECT_FALSE(got);
    else
        EXPECT_EQ(got.value_or("<nothing>"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Path, Concat,
                         testing::Values(JoinCase{"Plain", "out", "f", "out/f"},
                                         JoinCase{"DirectoryEndsWithSlash", "out/", "f", "out/f"},
                                         JoinCase{"NameStartsWithSlash", "out", "/f", "out/f"},
                                         JoinCase{"NoDirectory", nullptr, "f", "f"},
                                         JoinCase{"EmptyDirectory", "", "f", "f"},
                                         JoinCase{"TrailingSlashesRemoved", "out", "d//", "out/d"},
                                         JoinCase{"OnlySlashes", "/", "/", nullptr},
                                         JoinCase{"BothAbsent", nullptr, nullptr, nullptr}),
                         [](const auto &info) { return std::string(info.param.name); });

std::string times(int n, const std::string &s)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

struct FitCase {
    const char *name;
    std::string input;
    std::string expected;
};

class Fit : public testing::TestWithParam<FitCase> {};

TEST_P(Fit, CutsToTheLimitKeepingTheExtensionAndWholeCharacters)
{
    const std::string got = fit_name(GetParam().input, 255);
    EXPECT_EQ(got, GetParam().expected);
    EXPECT_LE(got.size(), 255u);
}

INSTANTIATE_TEST_SUITE_P(
    Path, Fit,
    testing::Values(FitCase{"FittingNameUnchanged", times(251, "a") + ".txt", times(251, "a") + ".txt"},
                    FitCase{"AsciiKeepsExtension", times(296, "a") + ".txt", times(251, "a") + ".txt"},
                    FitCase{"TwoByteCharactersStayWhole", times(148, "\xc3\xa9") + ".pdf",
                            times(125, "\xc3\xa9") + ".pdf"},
                    FitCase{"ThreeByteCharactersStayWhole", times(99, "\xe6\x97\xa5") + ".txt",
                            times(83, "\xe6\x97\xa5") + ".txt"},
                    FitCase{"FourByteCharactersStayWhole", times(80, "\xf0\x9f\x93\x8e"),
                            times(63, "\xf0\x9f\x93\x8e")},
                    FitCase{"LongExtensionIsCut", times(200, "a") + "." + times(100, "b"),
                            times(200, "a") + "." + times(54, "b")},
                    FitCase{"EscapeStaysWhole", "x" + times(100, "%41"), "x" + times(84, "%41")},
                    FitCase{"LeadingDotIsNoExtension", "." + times(300, "a"), "." + times(254, "a")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Path, FitComponentsShortensEveryFolderAndTheFile)
{
    EXPECT_EQ(fit_components("/" + times(300, "d") + "/ok/" + times(300, "f") + ".txt", 255),
              "/" + times(255, "d") + "/ok/" + times(251, "f") + ".txt");
}

} // namespace
