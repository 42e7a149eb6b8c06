// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/decode_error.h"
#include "tnef/mapi_attr.h"
#include "tnef/rtf.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"

#include <gtest/gtest.h>

using sw::Bytes;

namespace {

std::string bodyText(const BodyPart &body)
{
    return std::string(reinterpret_cast<const char *>(body.data.get()), body.len);
}

struct Decoded {
    std::string text;
    std::string err;
    bool fatal = false;
};

Decoded decodeValue(const Bytes &value)
{
    Decoded d;
    sw::StdCapture capture;
    try {
        BodyPart body = get_rtf_data_from_buf(value.size(), value.data());
        d.text = bodyText(body);
    } catch (const decode_error &) {
        d.fatal = true;
    }
    capture.stop();
    d.err = capture.err();
    return d;
}

Bytes withHeader(uint32_t compSize, uint32_t rawSize, uint32_t type, uint32_t crc, const Bytes &payload)
{
    Bytes out;
    sw::putU32(out, compSize);
    sw::putU32(out, rawSize);
    sw::putU32(out, type);
    sw::putU32(out, crc);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

struct PublishedStream {
    const char *name;
    Bytes bytes;
    const char *text;
    uint32_t crc;
};

void PrintTo(const PublishedStream &s, std::ostream *os)
{
    *os << s.name;
}

class PublishedStreams : public testing::TestWithParam<PublishedStream> {};

TEST_P(PublishedStreams, DecodeToTheirTexts)
{
    const PublishedStream &s = GetParam();
    const Bytes payload(s.bytes.begin() + 16, s.bytes.end());
    EXPECT_EQ(generate_crc(payload.data(), payload.size()), s.crc);
    const Decoded d = decodeValue(s.bytes);
    EXPECT_FALSE(d.fatal);
    EXPECT_EQ(d.text, s.text);
    EXPECT_EQ(d.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, PublishedStreams,
    testing::Values(
        PublishedStream{"simple",
                        {0x2d, 0x00, 0x00, 0x00, 0x2b, 0x00, 0x00, 0x00, 0x4c, 0x5a, 0x46, 0x75, 0xf1, 0xc5, 0xc7,
                         0xa7, 0x03, 0x00, 0x0a, 0x00, 0x72, 0x63, 0x70, 0x67, 0x31, 0x32, 0x35, 0x42, 0x32, 0x0a,
                         0xf3, 0x20, 0x68, 0x65, 0x6c, 0x09, 0x00, 0x20, 0x62, 0x77, 0x05, 0xb0, 0x6c, 0x64, 0x7d,
                         0x0a, 0x80, 0x0f, 0xa0},
                        "{\\rtf1\\ansi\\ansicpg1252\\pard hello world}\r\n", 0xa7c7c5f1},
        PublishedStream{"token crossing the write position",
                        {0x1a, 0x00, 0x00, 0x00, 0x1c, 0x00, 0x00, 0x00, 0x4c, 0x5a, 0x46, 0x75, 0xe2, 0xd4, 0x4b,
                         0x51, 0x41, 0x00, 0x04, 0x20, 0x57, 0x58, 0x59, 0x5a, 0x0d, 0x6e, 0x7d, 0x01, 0x0e, 0xb0},
                        "{\\rtf1 WXYZWXYZWXYZWXYZWXYZ}", 0x514bd4e2}),
    [](const auto &info) { return std::string(info.index == 0 ? "Simple" : "CrossingWritePosition"); });

TEST(Rtf, CrcStartsFromTheStandardTable)
{
    const unsigned char one[] = {0x01};
    EXPECT_EQ(generate_crc(one, 1), 0x77073096u);
    EXPECT_EQ(generate_crc(nullptr, 0), 0u);
}

TEST(Rtf, CompressedAndStoredValuesRoundTrip)
{
    std::string text = "{\\rtf1\\ansi ";
    for (int i = 0; i < 300; ++i)
        text += "line " + std::to_string(i % 17) + " of a longer body\\par\r\n";
    text += "}";
    EXPECT_EQ(decodeValue(sw::rtfCompressed(text)).text, text);
    EXPECT_EQ(decodeValue(sw::rtfStored(text)).text, text);
    EXPECT_LT(sw::rtfCompressed(text).size(), text.size() / 2);
}

TEST(Rtf, WrongCrcGivesAnEmptyBodyAndTheMessage)
{
    Bytes value = sw::rtfCompressed("{\\rtf1 hello}");
    value[12] ^= 0xFF;
    const Decoded d = decodeValue(value);
    EXPECT_FALSE(d.fatal);
    EXPECT_EQ(d.text, "");
    EXPECT_EQ(d.err, "Invalid RTF CRC, input file may be corrupted\n");
}

TEST(Rtf, StreamWithoutEndMarkerKeepsItsBytesAndZeroFills)
{
    // control byte: six literals, no end marker
    const Bytes payload = {0x00, 'a', 'b', 'c', 'd', 'e', 'f'};
    const Decoded d = decodeValue(withHeader(static_cast<uint32_t>(payload.size() + 12), 10, kRtfCompressed,
                                             sw::rtfCrc(payload), payload));
    EXPECT_EQ(d.text, std::string("abcdef\0\0\0\0", 10));
    EXPECT_EQ(d.err, "RTF buffer overrun, input file may be corrupted\n");
}

TEST(Rtf, RawSizeSmallerThanTheTextStopsAtTheRawSize)
{
    Bytes value = sw::rtfCompressed("{\\rtf1 a longer text than the raw size says}");
    value[4] = 9; // raw size
    value[5] = value[6] = value[7] = 0;
    const Decoded d = decodeValue(value);
    EXPECT_EQ(d.text, "{\\rtf1 a ");
    EXPECT_EQ(d.err, "RTF buffer overrun, input file may be corrupted\n");
}

struct BadHeader {
    const char *name;
    Bytes value;
};

class BadHeaders : public testing::TestWithParam<BadHeader> {};

TEST_P(BadHeaders, AreRefusedAsFatal)
{
    const Decoded d = decodeValue(GetParam().value);
    EXPECT_TRUE(d.fatal);
    EXPECT_EQ(d.err, "RTF buffer overrun, input file may be corrupted\n");
}

Bytes compressedWithSizes(int compDelta, uint32_t raw)
{
    const Bytes payload = sw::lzfuPayload("{\\rtf1 x}");
    return withHeader(static_cast<uint32_t>(payload.size() + 12 + compDelta), raw, kRtfCompressed,
                      sw::rtfCrc(payload), payload);
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, BadHeaders,
    testing::Values(BadHeader{"ShorterThanHeader", Bytes{12, 0, 0, 0, 1, 0, 0, 0, 0x4c, 0x5a, 0x46, 0x75}},
                    BadHeader{"EmptyPayload", withHeader(12, 5, kRtfCompressed, 0, {})},
                    BadHeader{"CompressedSizeTooLarge", compressedWithSizes(1, 9)},
                    BadHeader{"CompressedSizeTooSmall", compressedWithSizes(-1, 9)},
                    BadHeader{"RawSizeZero", compressedWithSizes(0, 0)},
                    BadHeader{"RawSizeBeyondAnyExpansion", compressedWithSizes(0, 0x7FFFFFF0)},
                    BadHeader{"StoredRawSizeBeyondPayload", withHeader(15, 4, kRtfUncompressed, 0, {'a', 'b', 'c'})},
                    BadHeader{"UnknownType", withHeader(13, 1, 0x12345678, 0, {'a'})}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Rtf, IsRtfDataLooksAtTheTypeField)
{
    EXPECT_TRUE(is_rtf_data(sw::rtfCompressed("x").data(), 16));
    EXPECT_TRUE(is_rtf_data(sw::rtfStored("x").data(), 17));
    const Bytes other = withHeader(13, 1, 0x4e4f4e45, 0, {'x'});
    EXPECT_FALSE(is_rtf_data(other.data(), other.size()));
    EXPECT_FALSE(is_rtf_data(other.data(), 11));
}

TEST(Rtf, ValueFailingTheTypeTestEndsTheUsableList)
{
    const Bytes block = sw::MapiBlockBuilder()
                            .buffers(0x0102, 0x1009,
                                     {sw::rtfCompressed("{\\rtf1 one}"), sw::bytesOf("not compressed rtf at all"),
                                      sw::rtfStored("{\\rtf1 three}")})
                            .build();
    const std::vector<MapiProperty> props = mapi_attr_read(block.size(), block.data());
    ASSERT_EQ(props.size(), 1u);
    const std::vector<std::optional<BodyPart>> slots = get_rtf_data(props[0]);
    ASSERT_EQ(slots.size(), 4u);
    ASSERT_TRUE(slots[0]);
    EXPECT_EQ(bodyText(*slots[0]), "{\\rtf1 one}");
    EXPECT_FALSE(slots[1]);
    EXPECT_TRUE(slots[2]);
    EXPECT_FALSE(slots[3]);
}

} // namespace
