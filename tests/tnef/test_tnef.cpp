// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/alloc.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"
#include "tnef/tnef.h"

#include <gtest/gtest.h>

#include <thread>
#include <unistd.h>

using sw::Bytes;
using sw::TnefStreamBuilder;
using Names = std::vector<std::string>;

namespace {

class Decode : public testing::Test {
protected:
    Decode() { std::filesystem::create_directory(out()); }
    std::string out() const { return (m_tmp.path() / "out").string(); }
    std::string file(const std::string &name) const { return sw::readFile(m_tmp.path() / "out" / name); }
    Names names() const { return sw::listDir(out()); }
    sw::DecodeResult run(const Bytes &bytes, unsigned int flags = OPT_SAVE_BODIES, const char *pref = "all")
    {
        return sw::decodeBytes(bytes, out(), flags, pref);
    }

private:
    sw::TempDir m_tmp;
};

TEST_F(Decode, NotATnefFileWritesNothing)
{
    const sw::DecodeResult r = run(sw::bytesOf("PK\x03\x04 this is a zip"));
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.out, "Seems not to be a TNEF file\n");
    EXPECT_TRUE(names().empty());
}

TEST_F(Decode, AttachmentsAreWrittenWithTheirData)
{
    TnefStreamBuilder s;
    s.attachment("a.txt", sw::bytesOf("alpha")).attachment("b.bin", Bytes{0, 1, 2, 255}).attachment("e", {});
    const sw::DecodeResult r = run(s.bytes());
    EXPECT_EQ(r.rc, 0) << r.err;
    EXPECT_EQ(names(), (Names{"a.txt", "b.bin", "e"}));
    EXPECT_EQ(file("a.txt"), "alpha");
    EXPECT_EQ(file("b.bin"), std::string("\0\1\2\xff", 4));
    EXPECT_EQ(file("e"), "");
}

TEST_F(Decode, SecondAttachmentOfTheSameNameIsSkipped)
{
    TnefStreamBuilder s;
    s.attachment("same.txt", sw::bytesOf("first")).attachment("same.txt", sw::bytesOf("second"));
    const sw::DecodeResult r = run(s.bytes());
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(file("same.txt"), "first");
    EXPECT_EQ(r.err, "tnef: " + out() + "/same.txt: Could not create file: File exists\n");
}

TEST_F(Decode, AttachmentWithoutNameBecomesTnefTmp)
{
    TnefStreamBuilder s;
    s.attachment("", sw::bytesOf("x"));
    EXPECT_EQ(run(s.bytes()).rc, 0);
    EXPECT_EQ(names(), Names{"tnef-tmp"});
}

TEST_F(Decode, NamesAreSanitised)
{
    TnefStreamBuilder s;
    s.attachment("a\\b:c.txt", {}).attachment("50%.doc", {}).attachment("\xc3\xa9t\xc3\xa9.txt", {});
    s.attachment("../escape", {}).attachment("..", {});
    run(s.bytes());
    EXPECT_EQ(names(), (Names{"..%2Fescape", "50%25.doc", "a%5Cb%3Ac.txt", "tnef-tmp", "\xc3\xa9t\xc3\xa9.txt"}));
}

TEST_F(Decode, LongFileNameReplacesTheTitle)
{
    TnefStreamBuilder s;
    s.attachment("SHORT~1.TXT", sw::bytesOf("data"))
        .attachmentProps(sw::MapiBlockBuilder()
                             .buffers(0x001F, 0x3707, {sw::utf16le(std::u16string(u"L\u00e4nger name.txt\0", 16))})
                             .buffers(0x001E, 0x370E, {sw::bytesOf(std::string("text/plain\0", 11))})
                             .build());
    EXPECT_EQ(run(s.bytes()).rc, 0);
    EXPECT_EQ(names(), Names{"L\xc3\xa4nger name.txt"});
}

TEST_F(Decode, AttachmentDataMayComeFromThePropertyBlock)
{
    TnefStreamBuilder s;
    s.attachment("x.bin", sw::bytesOf("old")).attachmentProps(
        sw::MapiBlockBuilder().buffers(0x0102, 0x3701, {sw::bytesOf("from properties")}).build());
    run(s.bytes());
    EXPECT_EQ(file("x.bin"), "from properties");
}

TEST_F(Decode, AttachmentLevelAttributeBeforeAnyAttachmentIsIgnored)
{
    TnefStreamBuilder s;
    s.attribute(2, 0x0006, 0x800F, sw::bytesOf("orphan")).attribute(1, 0x0006, 0x9002, {});
    s.attribute(2, 0x0001, 0x8010, sw::bytesOf("m.txt")).attribute(2, 0x0006, 0x800F, sw::bytesOf("kept"));
    EXPECT_EQ(run(s.bytes()).rc, 0);
    EXPECT_EQ(names(), Names{"m.txt"});
    EXPECT_EQ(file("m.txt"), "kept");
}

TnefStreamBuilder messageWithThreeBodies()
{
    TnefStreamBuilder s;
    s.textBody("plain text").attachment("att.txt", sw::bytesOf("a"));
    s.messageProps(sw::MapiBlockBuilder()
                       .buffers(0x0102, 0x1013, {sw::bytesOf("<p>html</p>")})
                       .buffers(0x0102, 0x1009, {sw::rtfCompressed("{\\rtf1 rich}")})
                       .build());
    return s;
}

TEST_F(Decode, BodiesAreWrittenAfterTheAttachmentsInRtfHtmlTextOrder)
{
    const sw::DecodeResult r = run(messageWithThreeBodies().bytes(), OPT_SAVE_BODIES | OPT_VERBOSE);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.out, "att.txt\t|\t" + out() + "/att.txt\n" + "MailBody.rtf\t|\t" + out() + "/MailBody.rtf\n" +
                         "MailBody.html\t|\t" + out() + "/MailBody.html\n" + "MailBody.txt\t|\t" + out() +
                         "/MailBody.txt\n");
    EXPECT_EQ(file("MailBody.rtf"), "{\\rtf1 rich}");
    EXPECT_EQ(file("MailBody.html"), "<p>html</p>");
    EXPECT_EQ(file("MailBody.txt"), "plain text");
}

TEST_F(Decode, BodiesAreWrittenOnlyWhenAsked)
{
    EXPECT_EQ(run(messageWithThreeBodies().bytes(), 0).rc, 0);
    EXPECT_EQ(names(), Names{"att.txt"});
}

struct PrefCase {
    const char *pref;
    bool withRtf;
    Names expected;
};

class BodyPreference : public Decode, public testing::WithParamInterface<PrefCase> {};

TEST_P(BodyPreference, WritesTheFirstKindPresent)
{
    TnefStreamBuilder s;
    s.textBody("t");
    sw::MapiBlockBuilder block;
    block.buffers(0x0102, 0x1013, {sw::bytesOf("h")});
    if (GetParam().withRtf)
        block.buffers(0x0102, 0x1009, {sw::rtfStored("r")});
    s.messageProps(block.build());
    EXPECT_EQ(run(s.bytes(), OPT_SAVE_BODIES, GetParam().pref).rc, 0);
    EXPECT_EQ(names(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decode, BodyPreference,
    testing::Values(PrefCase{"all", true, {"MailBody.html", "MailBody.rtf", "MailBody.txt"}},
                    PrefCase{"all", false, {"MailBody.html", "MailBody.txt"}},
                    PrefCase{"h", true, {"MailBody.html"}}, PrefCase{"th", true, {"MailBody.txt"}},
                    PrefCase{"rht", false, {"MailBody.html"}}, PrefCase{"xyzt", true, {}},
                    PrefCase{"x", true, {}}),
    [](const auto &info) { return std::string(info.param.pref) + (info.param.withRtf ? "_rtf" : "_nortf"); });

TEST_F(Decode, SecondBodyPartOfAKindMeetsTheFirstFile)
{
    TnefStreamBuilder s;
    s.messageProps(sw::MapiBlockBuilder().buffers(0x0102, 0x1013, {sw::bytesOf("one"), sw::bytesOf("two")}).build());
    const sw::DecodeResult r = run(s.bytes());
    EXPECT_EQ(file("MailBody.html"), "one");
    EXPECT_NE(r.err.find("Could not create file: File exists"), std::string::npos);
}

TEST_F(Decode, RtfWithWrongCrcGivesAnEmptyBodyFile)
{
    Bytes rtf = sw::rtfCompressed("{\\rtf1 x}");
    rtf[13] ^= 1;
    TnefStreamBuilder s;
    s.messageProps(sw::MapiBlockBuilder().buffers(0x0102, 0x1009, {rtf}).build());
    const sw::DecodeResult r = run(s.bytes());
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.err, "Invalid RTF CRC, input file may be corrupted\n");
    EXPECT_EQ(names(), Names{"MailBody.rtf"});
    EXPECT_EQ(file("MailBody.rtf"), "");
}

TEST_F(Decode, WrongChecksumInTheThirdAttachmentKeepsOnlyTheFirst)
{
    TnefStreamBuilder s;
    s.attachment("one.txt", sw::bytesOf("1")).attachment("two.txt", sw::bytesOf("2"));
    s.attributeWithChecksum(2, 6, 0x9002, {}, 0x1234).attribute(2, 6, 0x800F, sw::bytesOf("3"));
    const sw::DecodeResult r = run(s.bytes());
    EXPECT_EQ(r.rc, TNEF_FATAL);
    EXPECT_EQ(r.err, "ERROR: invalid checksum, input file may be corrupted\n");
    EXPECT_EQ(names(), Names{"one.txt"});
}

TEST_F(Decode, IgnoredChecksumIsAWarning)
{
    TnefStreamBuilder s;
    s.attribute(2, 6, 0x9002, {}).attributeWithChecksum(2, 6, 0x800F, sw::bytesOf("abc"), 0x0061);
    const sw::DecodeResult r = run(s.bytes(), OPT_IGNORE_CHECKSUM | OPT_DEBUG);
    EXPECT_EQ(r.rc, 0);
    EXPECT_EQ(r.err, "WARNING: invalid checksum, input file may be corrupted\n");
    EXPECT_NE(r.out.find("TNEF Key: 123\n"), std::string::npos);
    EXPECT_NE(r.out.find("!!checksum error: length=3 sum=0126 checksum=0061 match=0\n"), std::string::npos);
    EXPECT_NE(r.out.find("(ATTA) Attachment Data <800f> [type: byte <0006>] [len: 3] = 61 62 63\n"),
              std::string::npos);
    EXPECT_EQ(names(), Names{"tnef-tmp"});
}

struct Failure {
    const char *name;
    Bytes stream;
    unsigned int flags;
    int rc;
    std::string err; // a prefix of standard error
};

class Failures : public Decode, public testing::WithParamInterface<Failure> {};

TEST_P(Failures, GiveTheirMessageAndOutcome)
{
    const sw::DecodeResult r = run(GetParam().stream, GetParam().flags | OPT_SAVE_BODIES);
    EXPECT_EQ(r.rc, GetParam().rc);
    EXPECT_EQ(r.err.substr(0, GetParam().err.size()), GetParam().err) << r.err;
    if (GetParam().err.empty()) {
        EXPECT_EQ(r.err, "");
    }
}

Bytes okStream()
{
    return TnefStreamBuilder().attachment("ok.txt", sw::bytesOf("ok")).bytes();
}

Bytes withTail(const Bytes &tail)
{
    return TnefStreamBuilder().attachment("ok.txt", {}).raw(tail).bytes();
}

Bytes truncatedStream(size_t cut)
{
    Bytes b = okStream();
    b.resize(b.size() - cut);
    return b;
}

Bytes hugeLength()
{
    TnefStreamBuilder s;
    s.raw({2, 0x0F, 0x80, 0x06, 0x00, 0xF0, 0xFF, 0xFF, 0xFF, 'x', 'y', 0, 0});
    return s.bytes();
}

Bytes propsOfType(uint16_t type)
{
    Bytes prop;
    sw::putU16(prop, type);
    sw::putU16(prop, 0x0037);
    sw::putU32(prop, 0);
    return TnefStreamBuilder().messageProps(sw::MapiBlockBuilder().rawProperty(prop).build()).bytes();
}

Bytes rtfWithWrongCompressedSize()
{
    Bytes rtf = sw::rtfStored("{\\rtf1 x}");
    rtf[0] += 1;
    return TnefStreamBuilder().messageProps(sw::MapiBlockBuilder().buffers(0x0102, 0x1009, {rtf}).build()).bytes();
}

const std::string kInvalid = "Invalid attribute, input file may be corrupted\n";

INSTANTIATE_TEST_SUITE_P(
    Decode, Failures,
    testing::Values(
        Failure{"InvalidLevel", TnefStreamBuilder().attribute(3, 6, 0x8008, {}).bytes(), 0, 1,
                "Invalid lvl type on attribute: 3\n"},
        Failure{"EndInsideData", truncatedStream(3), 0, TNEF_FATAL, "Unexpected end of input"},
        Failure{"EndInsideChecksum", truncatedStream(1), OPT_TOLERATE_TRAILER, TNEF_FATAL, "Unexpected end of input"},
        Failure{"EndInsideKey", Bytes{0x78, 0x9f, 0x3e, 0x22, 0x01}, 0, TNEF_FATAL, "Unexpected end of input"},
        Failure{"LengthBeyondTheFile", hugeLength(), 0, TNEF_FATAL, "Unexpected end of input"},
        Failure{"InvalidPropertyType", propsOfType(0x0001), 0, TNEF_FATAL, kInvalid},
        Failure{"UndefinedPropertyType", propsOfType(0x0099), 0, TNEF_FATAL,
                "Undefined attribute, input file may be corrupted\n"},
        Failure{"ToleratedPropertyType", propsOfType(0x000A), OPT_TOLERATE_PROPS, 0, kInvalid},
        Failure{"OneTrailingByte", withTail({0}), 0, 0, "ERROR: garbage at end of file.\n"},
        Failure{"SevenTrailingBytes", withTail(Bytes(7, 'g')), 0, 0, "ERROR: garbage at end of file.\n"},
        Failure{"EightTrailingBytesAreAnAttribute", withTail(Bytes(8, 2)), 0, TNEF_FATAL,
                "Unexpected end of input"},
        Failure{"CrLfTrailerTolerated", withTail({'\r', '\n'}), OPT_TOLERATE_TRAILER, 0, ""},
        Failure{"CrLfTrailerVerbose", withTail({'\r', '\n'}), OPT_TOLERATE_TRAILER | OPT_VERBOSE, 0,
                "WARNING: garbage at end of file (ignored)\n"},
        Failure{"OtherTwoByteTrailer", withTail({'x', '\n'}), OPT_TOLERATE_TRAILER, 0,
                "ERROR: garbage at end of file.\n"},
        Failure{"CrLfTrailerNotTolerated", withTail({'\r', '\n'}), 0, 0, "ERROR: garbage at end of file.\n"},
        Failure{"ShortDate", TnefStreamBuilder().attribute(2, 6, 0x9002, {}).attribute(2, 3, 0x8013, Bytes(13, 1)).bytes(),
                0, TNEF_FATAL, kInvalid},
        Failure{"DateOfAnotherType",
                TnefStreamBuilder().attribute(2, 6, 0x9002, {}).attribute(2, 6, 0x8013, Bytes(14, 1)).bytes(), 0,
                TNEF_FATAL, kInvalid},
        Failure{"LongFileNameOfFixedType",
                TnefStreamBuilder()
                    .attribute(2, 6, 0x9002, {})
                    .attachmentProps(sw::MapiBlockBuilder().fixed(0x0003, 0x3707, Bytes(4, 1)).build())
                    .bytes(),
                0, TNEF_FATAL, kInvalid},
        Failure{"HtmlBodyOfFixedType",
                TnefStreamBuilder().messageProps(sw::MapiBlockBuilder().fixed(0x0014, 0x1013, Bytes(8, 1)).build()).bytes(),
                0, TNEF_FATAL, kInvalid},
        Failure{"RtfWithBadSizes", rtfWithWrongCompressedSize(), 0, TNEF_FATAL,
                "RTF buffer overrun, input file may be corrupted\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Decode, LengthFieldIsCheckedBeforeAnyAllocation)
{
    set_alloc_limit(1 << 20);
    const sw::DecodeResult r = run(hugeLength());
    set_alloc_limit(0);
    EXPECT_EQ(r.rc, TNEF_FATAL);
    EXPECT_EQ(r.err.rfind("Unexpected end of input", 0), 0u) << r.err;
}

TEST_F(Decode, AllocationOverTheLimitIsFatal)
{
    set_alloc_limit(16);
    const sw::DecodeResult r = run(TnefStreamBuilder().attachment("", Bytes(17, 'x')).bytes());
    set_alloc_limit(0);
    EXPECT_EQ(r.rc, TNEF_FATAL);
    EXPECT_EQ(r.err, "checked_xcalloc: Maximum allocation size exceeded (maxsize = 16; size = 17).\n");
}

TEST_F(Decode, UnwritableOutputIsFatalAfterTheFilesBefore)
{
    TnefStreamBuilder s;
    s.attachment("first.txt", sw::bytesOf("1")).attachment("second.txt", sw::bytesOf("2"));
    s.attachment("third.txt", sw::bytesOf("3"));
    // A folder where the second file should be overwritten cannot be opened for writing.
    std::filesystem::create_directory(out() + "/second.txt");
    const sw::DecodeResult r = run(s.bytes(), OPT_OVERWRITE);
    EXPECT_EQ(r.rc, TNEF_FATAL);
    EXPECT_EQ(r.err, out() + "/second.txt: Is a directory\n");
    EXPECT_EQ(names(), (Names{"first.txt", "second.txt"}));
}

TEST_F(Decode, PipeIsReadWithoutKnowingItsSize)
{
    const Bytes big(3 << 20, 'z');
    const Bytes stream = TnefStreamBuilder().attachment("big.bin", big).attachment("next", {}).raw({'x', 'y'}).bytes();
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::thread writer([&] {
        size_t done = 0;
        while (done < stream.size()) {
            const ssize_t n = write(fds[1], stream.data() + done, stream.size() - done);
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        close(fds[1]);
    });
    FILE *fp = fdopen(fds[0], "rb");
    sw::StdCapture capture;
    const int rc = parse_file(fp, out().c_str(), "MailBody", "all", OPT_SAVE_BODIES);
    capture.stop();
    writer.join();
    fclose(fp);
    // Two trailing bytes of a pipe are not judged: they start an attribute that ends early.
    EXPECT_EQ(rc, TNEF_FATAL);
    EXPECT_EQ(capture.err().rfind("Unexpected end of input", 0), 0u) << capture.err();
    EXPECT_EQ(file("big.bin").size(), big.size());
    EXPECT_EQ(names(), Names{"big.bin"});
}

} // namespace
