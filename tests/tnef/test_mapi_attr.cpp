// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/decode_error.h"
#include "tnef/flags.h"
#include "tnef/mapi_attr.h"
#include "tnef/support/DecodeRun.h"
#include "tnef/support/TnefStreamBuilder.h"

#include <gtest/gtest.h>

using sw::Bytes;

namespace {

struct BlockResult {
    std::vector<MapiProperty> props;
    bool fatal = false;
    std::string err;
};

BlockResult readBlock(const Bytes &block, unsigned int flags = 0)
{
    g_flags = flags;
    BlockResult r;
    sw::StdCapture capture;
    try {
        r.props = mapi_attr_read(block.size(), block.data());
    } catch (const decode_error &) {
        r.fatal = true;
    }
    capture.stop();
    r.err = capture.err();
    return r;
}

Bytes le(uint64_t v, size_t n)
{
    Bytes out;
    for (size_t i = 0; i < n; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
    return out;
}

std::string valueText(const MapiValue &v)
{
    return std::string(reinterpret_cast<const char *>(v.data()), v.len);
}

TEST(MapiAttr, FixedSizeValuesAdvanceByTheirStoredSize)
{
    const Bytes block = sw::MapiBlockBuilder()
                            .fixed(0x0002, 0x0017, le(0xBEEF, 2))
                            .fixed(0x0003, 0x0E07, le(0x01020304, 4))
                            .fixed(0x000B, 0x0E1B, le(1, 4))
                            .fixed(0x0040, 0x3007, le(0x0102030405060708, 8))
                            .fixed(0x0048, 0x3302, Bytes(16, 0xAB))
                            .buffers(0x001E, 0x0037, {sw::bytesOf("subject")})
                            .build();
    const BlockResult r = readBlock(block);
    ASSERT_FALSE(r.fatal) << r.err;
    ASSERT_EQ(r.props.size(), 6u);
    const size_t lens[] = {2, 4, 4, 8, 16};
    for (size_t i = 0; i < 5; ++i) {
        ASSERT_EQ(r.props[i].num_values, 1u);
        EXPECT_EQ(r.props[i].values[0].len, lens[i]);
    }
    EXPECT_EQ(r.props[0].values[0].inline_data[0], 0xEF);
    EXPECT_EQ(r.props[3].values[0].inline_data[7], 0x01);
    EXPECT_EQ(r.props[5].name, 0x0037u);
    EXPECT_EQ(valueText(r.props[5].values[0]), "subject");
}

TEST(MapiAttr, MultiValuedIntegersAndTimesCarryACount)
{
    const Bytes block = sw::MapiBlockBuilder()
                            .multiFixed(0x0003, 0x0101, {le(7, 4), le(8, 4), le(9, 4)})
                            .multiFixed(0x0040, 0x0102, {le(1, 8), le(2, 8)})
                            .build();
    const BlockResult r = readBlock(block);
    ASSERT_EQ(r.props.size(), 2u);
    EXPECT_EQ(r.props[0].type, 0x0003);
    EXPECT_EQ(r.props[0].num_values, 3u);
    EXPECT_EQ(r.props[0].values[2].inline_data[0], 9);
    EXPECT_EQ(r.props[1].num_values, 2u);
}

TEST(MapiAttr, BufferValuesArePaddedToFourBytes)
{
    const Bytes block = sw::MapiBlockBuilder()
                            .buffers(0x0102, 0x3701, {sw::bytesOf("abcde"), sw::bytesOf(""), sw::bytesOf("xyz")})
                            .fixed(0x0003, 0x0E20, le(42, 4))
                            .build();
    const BlockResult r = readBlock(block);
    ASSERT_EQ(r.props.size(), 2u);
    ASSERT_EQ(r.props[0].num_values, 3u);
    EXPECT_EQ(valueText(r.props[0].values[0]), "abcde");
    EXPECT_EQ(r.props[0].values[1].len, 0u);
    EXPECT_EQ(valueText(r.props[0].values[2]), "xyz");
    EXPECT_EQ(r.props[1].values[0].inline_data[0], 42);
}

TEST(MapiAttr, UnicodeStringsBecomeUtf8WithTheirTerminator)
{
    const Bytes block =
        sw::MapiBlockBuilder().buffers(0x001F, 0x3707, {sw::utf16le(std::u16string(u"Caf\u00e9 \u20ac.txt\0", 11)), Bytes{}}).build();
    const BlockResult r = readBlock(block);
    ASSERT_EQ(r.props.size(), 1u);
    EXPECT_EQ(valueText(r.props[0].values[0]), std::string("Caf\xc3\xa9 \xe2\x82\xac.txt\0", 14));
    EXPECT_EQ(r.props[0].values[1].len, 0u);
    EXPECT_EQ(r.props[0].values[1].data()[0], 0);
}

TEST(MapiAttr, NamedPropertyKeepsLowBytesOfItsNames)
{
    const Bytes block =
        sw::MapiBlockBuilder().named(0x001E, 0x8005, {u"Keywords", u"x"}, 0, {sw::bytesOf("v")}).build();
    const BlockResult r = readBlock(block);
    ASSERT_EQ(r.props.size(), 1u);
    const MapiProperty &p = r.props[0];
    EXPECT_EQ(p.name, 0x8005u);
    ASSERT_TRUE(p.guid);
    EXPECT_EQ(p.guid->data1, 0x00020329u);
    EXPECT_EQ(p.guid->data4[7], 0x46);
    ASSERT_EQ(p.num_names, 2u);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(p.names[0].data.get()), p.names[0].len), "Keywords");
    EXPECT_EQ(p.names[1].len, 1u);
    EXPECT_EQ(valueText(p.values[0]), "v");
}

TEST(MapiAttr, NamedPropertyWithoutNamesTakesTheFollowingNumberAsItsId)
{
    const Bytes block = sw::MapiBlockBuilder().named(0x0102, 0x8010, {}, 0x00123456, {sw::bytesOf("v")}).build();
    const BlockResult r = readBlock(block);
    ASSERT_EQ(r.props.size(), 1u);
    EXPECT_EQ(r.props[0].name, 0x00123456u);
    EXPECT_EQ(r.props[0].num_names, 0u);
}

struct BadBlock {
    const char *name;
    Bytes block;
    const char *message;
};

class BadBlocks : public testing::TestWithParam<BadBlock> {};

TEST_P(BadBlocks, AreFatal)
{
    const BlockResult r = readBlock(GetParam().block);
    EXPECT_TRUE(r.fatal);
    EXPECT_EQ(r.err, GetParam().message);
}

TEST_P(BadBlocks, AreDroppedWholeWhenTolerated)
{
    const BlockResult r = readBlock(GetParam().block, OPT_TOLERATE_PROPS);
    EXPECT_FALSE(r.fatal);
    EXPECT_TRUE(r.props.empty());
    EXPECT_EQ(r.err, GetParam().message);
}

const char kInvalid[] = "Invalid attribute, input file may be corrupted\n";
const char kUndefined[] = "Undefined attribute, input file may be corrupted\n";

Bytes goodThen(const Bytes &rawProperty)
{
    return sw::MapiBlockBuilder().buffers(0x001E, 0x0037, {sw::bytesOf("ok")}).rawProperty(rawProperty).build();
}

Bytes truncated(Bytes block, size_t cut)
{
    block.resize(block.size() - cut);
    return block;
}

Bytes withCount(uint32_t count)
{
    Bytes b = sw::MapiBlockBuilder().fixed(0x0003, 0x0E07, le(1, 4)).build();
    b[0] = static_cast<unsigned char>(count);
    b[1] = static_cast<unsigned char>(count >> 8);
    b[2] = static_cast<unsigned char>(count >> 16);
    b[3] = static_cast<unsigned char>(count >> 24);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    MapiAttr, BadBlocks,
    testing::Values(
        BadBlock{"Unspecified", goodThen({0x00, 0x00, 0x01, 0x00, 0, 0, 0, 0}), kInvalid},
        BadBlock{"Null", goodThen({0x01, 0x00, 0x01, 0x00, 0, 0, 0, 0}), kInvalid},
        BadBlock{"Error", goodThen({0x0A, 0x00, 0x01, 0x00, 0, 0, 0, 0}), kInvalid},
        BadBlock{"UndefinedType", goodThen({0x08, 0x00, 0x01, 0x00, 0, 0, 0, 0}), kUndefined},
        BadBlock{"MultiValuedShort", goodThen({0x02, 0x10, 0x01, 0x00, 1, 0, 0, 0, 5, 0, 0, 0}), kInvalid},
        BadBlock{"MultiValuedGuid", goodThen({0x48, 0x10, 0x01, 0x00, 1, 0, 0, 0}), kInvalid},
        BadBlock{"EmptyBlock", Bytes{}, kInvalid},
        BadBlock{"CountBeyondBlock", withCount(0xFFFFFFFF), kInvalid},
        BadBlock{"CountOneTooMany", withCount(2), kInvalid},
        BadBlock{"ValueCountBeyondBlock", goodThen({0x02, 0x01, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x0F}), kInvalid},
        BadBlock{"MultiIntCountBeyondBlock", goodThen({0x03, 0x10, 0x01, 0x00, 3, 0, 0, 0, 1, 0, 0, 0}), kInvalid},
        BadBlock{"LengthBeyondBlock", goodThen({0x02, 0x01, 0x01, 0x00, 1, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF, 'a'}),
                 kInvalid},
        BadBlock{"MissingPadding", truncated(sw::MapiBlockBuilder().buffers(0x001E, 1, {sw::bytesOf("abc")}).build(), 1),
                 kInvalid},
        BadBlock{"TruncatedFixedValue", truncated(sw::MapiBlockBuilder().fixed(0x0014, 1, le(5, 8)).build(), 3),
                 kInvalid},
        BadBlock{"TruncatedGuid", goodThen({0x03, 0x00, 0x00, 0x80, 1, 2, 3, 4, 5}), kInvalid},
        BadBlock{"NameCountBeyondBlock",
                 truncated(sw::MapiBlockBuilder().named(0x001E, 0x8001, {u"n"}, 0, {}).build(), 8), kInvalid}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MapiAttr, TakenPropertyOfAFixedSizeTypeIsRefused)
{
    const Bytes block = sw::MapiBlockBuilder().fixed(0x0003, 0x3707, le(5, 4)).build();
    g_flags = OPT_TOLERATE_PROPS;
    const std::vector<MapiProperty> props = mapi_attr_read(block.size(), block.data());
    sw::StdCapture capture;
    EXPECT_FALSE(mapi_props_have_buffers(props, {0x3707}));
    g_flags = 0;
    EXPECT_THROW(mapi_props_have_buffers(props, {0x3707}), decode_error);
    EXPECT_TRUE(mapi_props_have_buffers(props, {0x3701}));
    capture.stop();
    EXPECT_EQ(capture.err(), std::string(kInvalid) + kInvalid);
}

} // namespace
