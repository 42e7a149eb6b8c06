// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/file.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"
#include "tnef/tnef.h"
#include "tnef/write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <thread>

using sw::Bytes;
using sw::TnefStreamBuilder;
using Names = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

class Write : public testing::Test {
protected:
    Write() { fs::create_directory(out()); }
    std::string out() const { return (m_tmp.path() / "out").string(); }
    fs::path outside() const { return m_tmp.path() / "outside"; }
    std::string file(const std::string &name) const { return sw::readFile(m_tmp.path() / "out" / name); }
    Names names() const { return sw::listDir(out()); }
    sw::DecodeResult run(const Bytes &bytes, unsigned int flags, const std::string &answers = "")
    {
        return sw::decodeBytes(bytes, out(), flags, "all", "MailBody", answers);
    }

private:
    sw::TempDir m_tmp;
};

Bytes dated(uint16_t year, uint16_t month, uint16_t day, uint16_t h, uint16_t m, uint16_t s, uint16_t dow)
{
    Bytes date;
    for (uint16_t v : {year, month, day, h, m, s, dow})
        sw::putU16(date, v);
    return date;
}

Bytes reportStream()
{
    TnefStreamBuilder s;
    s.attachment("report.pdf", Bytes(1234, 'p'))
        .attribute(2, 3, 0x8013, dated(2024, 2, 29, 13, 5, 9, 4))
        .attachmentProps(sw::MapiBlockBuilder()
                             .buffers(0x001E, 0x370E, {sw::bytesOf(std::string("application/pdf\0", 16))})
                             .buffers(0x001E, 0x3712, {sw::bytesOf("cid-1")})
                             .build());
    return s.bytes();
}

struct ListingCase {
    const char *name;
    unsigned int flags;
    std::string line; // "@" stands for the output directory
    bool written;
};

class Listing : public Write, public testing::WithParamInterface<ListingCase> {};

TEST_P(Listing, FormatsTheLine)
{
    const sw::DecodeResult r = run(reportStream(), GetParam().flags);
    std::string expected = GetParam().line;
    expected.replace(expected.find('@'), 1, out());
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(names(), GetParam().written ? Names{"report.pdf"} : Names{});
}

INSTANTIATE_TEST_SUITE_P(
    Write, Listing,
    testing::Values(
        ListingCase{"VerboseAndList", OPT_VERBOSE | OPT_LIST_ONLY,
                    "       1234\t|\t2024/02/29 13:05:09\t|\treport.pdf\t|\t@/report.pdf\n", false},
        ListingCase{"VerboseOnly", OPT_VERBOSE, "report.pdf\t|\t@/report.pdf\n", true},
        ListingCase{"ListOnly", OPT_LIST_ONLY, "report.pdf\t|\t@/report.pdf\n", false},
        ListingCase{"ListWithMime", OPT_LIST_ONLY | OPT_SHOW_MIME,
                    "report.pdf\t|\t@/report.pdf\t|\tapplication/pdf\t|\tcid-1\n", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WriteListing, UnknownMimeTypeAndNoContentId)
{
    TnefAttachment file;
    file.name = "a";
    file.path = "d/a";
    g_flags = OPT_LIST_ONLY | OPT_VERBOSE | OPT_SHOW_MIME;
    EXPECT_EQ(listing_line(file), "          0\t|\t0000/00/00 00:00:00\t|\ta\t|\td/a\t|\tunknown\t|\t\n");
}

TEST_F(Write, NumberedCopiesTakeTheFirstFreeSuffix)
{
    TnefStreamBuilder s;
    s.attachment("f.txt", sw::bytesOf("1")).attachment("f.txt", sw::bytesOf("2")).attachment("f.txt", sw::bytesOf("3"));
    sw::writeFile(out() + "/f.txt.1", sw::bytesOf("existing"));
    const sw::DecodeResult r = run(s.bytes(), OPT_NUMBER_COPIES | OPT_DEBUG);
    EXPECT_EQ(names(), (Names{"f.txt", "f.txt.1", "f.txt.2", "f.txt.3"}));
    EXPECT_EQ(file("f.txt.1"), "existing");
    EXPECT_EQ(file("f.txt.3"), "3");
    EXPECT_NE(r.out.find("Renaming " + out() + "/f.txt to " + out() + "/f.txt.2\n"), std::string::npos);
}

TEST_F(Write, OverwriteReplacesAnExistingFile)
{
    sw::writeFile(out() + "/f.txt", sw::bytesOf("old contents"));
    run(TnefStreamBuilder().attachment("f.txt", sw::bytesOf("new")).bytes(), OPT_OVERWRITE);
    EXPECT_EQ(file("f.txt"), "new");
}

TEST_F(Write, ConfirmWritesOnlyAnsweredYes)
{
    TnefStreamBuilder s;
    s.attachment("a.txt", {}).attachment("b.txt", {}).attachment("c.txt", {});
    const sw::DecodeResult r = run(s.bytes(), OPT_CONFIRM, "Yes\nno\ny\n");
    EXPECT_EQ(r.out, "extract a.txt?extract b.txt?extract c.txt?");
    EXPECT_EQ(names(), (Names{"a.txt", "c.txt"}));
}

TEST_F(Write, UsePathsCreatesDirectoriesInsideTheOutputOnly)
{
    TnefStreamBuilder s;
    s.attachment("docs\\2024\\plan.txt", sw::bytesOf("p")).attachment("..\\..\\escape.txt", sw::bytesOf("e"));
    s.attachment("\\\\server\\share\\abs.txt", {});
    const sw::DecodeResult r = run(s.bytes(), OPT_USE_PATHS);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(names(), (Names{"docs", "docs/2024", "docs/2024/plan.txt", "escape.txt", "server", "server/share",
                              "server/share/abs.txt"}));
    EXPECT_FALSE(fs::exists(outside().parent_path().parent_path() / "escape.txt"));
}

TEST_F(Write, KeptAbsolutePathStillLandsInTheOutput)
{
    const sw::DecodeResult r =
        run(TnefStreamBuilder().attachment("\\tmp\\abs.txt", {}).bytes(), OPT_USE_PATHS | OPT_ABSOLUTE_PATHS);
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(names(), (Names{"tmp", "tmp/abs.txt"}));
}

TEST_F(Write, DanglingLinkAtTheOutputPathCountsAsExisting)
{
    fs::create_symlink(outside(), out() + "/f.txt");
    const sw::DecodeResult r = run(TnefStreamBuilder().attachment("f.txt", sw::bytesOf("x")).bytes(), 0);
    EXPECT_EQ(r.err, "tnef: " + out() + "/f.txt: Could not create file: File exists\n");
    EXPECT_FALSE(fs::exists(outside()));
}

TEST_F(Write, OverwriteNeverWritesThroughALink)
{
    fs::create_symlink(outside(), out() + "/f.txt");
    const sw::DecodeResult r = run(TnefStreamBuilder().attachment("f.txt", sw::bytesOf("x")).bytes(), OPT_OVERWRITE);
    EXPECT_EQ(r.rc, TNEF_FATAL);
    EXPECT_EQ(r.err, out() + "/f.txt: Too many levels of symbolic links\n");
    EXPECT_FALSE(fs::exists(outside()));
}

TEST_F(Write, UsePathsFolderThatIsNoFolderSkipsOnlyThatFile)
{
    fs::create_directory(outside());
    fs::create_directory_symlink(outside(), out() + "/dir");
    sw::writeFile(out() + "/plain", sw::bytesOf("file"));
    TnefStreamBuilder s;
    s.textBody("body").attachment("a.txt", sw::bytesOf("a")).attachment("dir\\sub\\f.txt", sw::bytesOf("f"));
    s.attachment("plain\\g.txt", sw::bytesOf("g")).attachment("b.txt", sw::bytesOf("b"));
    const sw::DecodeResult r = run(s.bytes(), OPT_USE_PATHS | OPT_SAVE_BODIES | OPT_OVERWRITE);
    EXPECT_EQ(r.rc, 0) << r.err;
    const auto blocked = [this](const std::string &file, const std::string &folder) {
        const std::string o = out() + "/";
        return "tnef: " + o + file + ": Could not create file: " + o + folder + " is not a folder\n";
    };
    EXPECT_EQ(r.err, blocked("dir/sub/f.txt", "dir") + blocked("plain/g.txt", "plain"));
    EXPECT_EQ(names(), (Names{"MailBody.txt", "a.txt", "b.txt", "dir", "plain"}));
    EXPECT_EQ(file("plain"), "file");
    EXPECT_TRUE(fs::is_empty(outside()));
}

// The names and contents of everything below dir.
std::map<std::string, std::string> snapshot(const fs::path &dir)
{
    std::map<std::string, std::string> tree;
    for (const auto &entry : fs::recursive_directory_iterator(dir))
        tree[entry.path().lexically_relative(dir).string()] =
            entry.is_regular_file() ? sw::readFile(entry.path()) : "/";
    return tree;
}

TEST_F(Write, UsePathsFolderSwappedForALinkDuringTheDecodeNeverLeadsOutside)
{
    fs::create_directories(outside() / "kept");
    sw::writeFile(outside() / "kept" / "a.txt", sw::bytesOf("victim"));
    const std::map<std::string, std::string> before = snapshot(outside());
    const std::string sub = out() + "/dir/sub";
    const std::string link = out() + "/dir/link";
    fs::create_directories(sub);
    fs::create_directory_symlink(outside(), link);
    TnefStreamBuilder s;
    for (int i = 0; i < 100; ++i)
        s.attachment("dir\\sub\\f" + std::to_string(i) + ".txt", sw::bytesOf("x"));
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        // The folder and the link trade places; an even count leaves the folder where it was.
        for (long i = 0; !done || i % 2 != 0; ++i) {
            if (renameat2(AT_FDCWD, sub.c_str(), AT_FDCWD, link.c_str(), RENAME_EXCHANGE) != 0)
                break;
        }
    });
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    for (int round = 0; round < 50 && std::chrono::steady_clock::now() < end; ++round) {
        const sw::DecodeResult r = run(s.bytes(), OPT_USE_PATHS | OPT_OVERWRITE);
        EXPECT_EQ(r.rc, 0) << r.err;
    }
    done = true;
    swapper.join();
    EXPECT_EQ(snapshot(outside()), before);
    Names top;
    for (const auto &entry : fs::directory_iterator(outside().parent_path()))
        top.push_back(entry.path().filename().string());
    std::sort(top.begin(), top.end());
    EXPECT_EQ(top, (Names{"out", "outside"}));
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(sub)));
    EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(Write, OverlongNamesAreShortenedAndTheDecodeGoesOn)
{
    const std::string ascii = std::string(296, 'a') + ".txt";
    std::string utf8;
    for (int i = 0; i < 148; ++i)
        utf8 += "\xc3\xa9";
    utf8 += ".pdf";
    const std::string folder(300, 'd');
    TnefStreamBuilder s;
    s.textBody("body").attachment(ascii, sw::bytesOf("1")).attachment(ascii, sw::bytesOf("2"));
    s.attachment(utf8, sw::bytesOf("3")).attachment(folder + "\\in.txt", sw::bytesOf("4"));
    s.attachment("next.txt", sw::bytesOf("5"));
    const unsigned int flags = OPT_USE_PATHS | OPT_NUMBER_COPIES | OPT_SAVE_BODIES | OPT_VERBOSE;
    const sw::DecodeResult r = run(s.bytes(), flags);
    EXPECT_EQ(r.rc, 0) << r.err;
    const std::string shortAscii = std::string(251, 'a') + ".txt";
    const std::string copy = std::string(249, 'a') + ".txt.1";
    std::string shortUtf8;
    for (int i = 0; i < 125; ++i)
        shortUtf8 += "\xc3\xa9";
    shortUtf8 += ".pdf";
    const std::string shortFolder(255, 'd');
    Names expected{"MailBody.txt", shortAscii, copy, shortUtf8, shortFolder, shortFolder + "/in.txt",
                   "next.txt"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(file(shortAscii) + file(copy) + file(shortUtf8) + file(shortFolder + "/in.txt"), "1234");
    EXPECT_EQ(file("next.txt") + file("MailBody.txt"), "5body");
    EXPECT_NE(r.out.find(utf8 + "\t|\t" + out() + "/" + shortUtf8 + "\n"), std::string::npos);
}

TEST_F(Write, DebugNotesNameTheDefault)
{
    const sw::DecodeResult r = run(TnefStreamBuilder().attachment("", {}).bytes(), OPT_DEBUG | OPT_LIST_ONLY);
    EXPECT_NE(r.out.find("No file name specified, using default tnef-tmp.\n"), std::string::npos);
    EXPECT_NE(r.out.find("NOT WRITING\t|\ttnef-tmp\t|\t" + out() + "/tnef-tmp\n"), std::string::npos);
}

} // namespace
