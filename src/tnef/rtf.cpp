// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/rtf.h"

#include "tnef/decode_error.h"
#include "tnef/input.h"
#include "tnef/mapi_attr.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kDictSize = 4096;
constexpr size_t kDictMask = kDictSize - 1;
// The most one payload byte can produce: a control byte and eight
// references of two bytes give 8 x 17 bytes for 17 bytes.
constexpr uint64_t kMaxExpansion = 8;

constexpr char kPrologue[] = "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss "
                             "\\fmodern \\fscript \\fdecor MS Sans SerifSymbolArialTimes New RomanCourier"
                             "{\\colortbl\\red0\\green0\\blue0\r\n\\par \\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";
constexpr size_t kPrologueSize = sizeof kPrologue - 1;
static_assert(kPrologueSize == 207);

constexpr std::array<uint32_t, 256> make_crc_table()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}
constexpr std::array<uint32_t, 256> kCrcTable = make_crc_table();

[[noreturn]] void refuse()
{
    fatal("RTF buffer overrun, input file may be corrupted\n");
}

// Decodes into dst; false on an overrun (input or output exhausted before the
// end marker).
bool lzfu_decode(const unsigned char *src, size_t len, unsigned char *dst, size_t raw_size)
{
    unsigned char dict[kDictSize] = {};
    memcpy(dict, kPrologue, kPrologueSize);
    size_t wp = kPrologueSize;
    size_t in = 0, pos = 0;
    while (in < len) {
        unsigned control = src[in++];
        for (int bit = 0; bit < 8; ++bit, control >>= 1) {
            if ((control & 1) == 0) {
                if (in >= len || pos >= raw_size)
                    return false;
                dst[pos++] = dict[wp] = src[in++];
                wp = (wp + 1) & kDictMask;
                continue;
            }
            if (len - in < 2)
                return false;
            const unsigned word = (static_cast<unsigned>(src[in]) << 8) | src[in + 1];
            in += 2;
            size_t offset = word >> 4;
            const size_t count = (word & 0x0F) + 2;
            if (offset == wp)
                return true; // the end marker
            if (raw_size - pos < count)
                return false;
            for (size_t k = 0; k < count; ++k) {
                dst[pos++] = dict[wp] = dict[offset];
                offset = (offset + 1) & kDictMask;
                wp = (wp + 1) & kDictMask;
            }
        }
    }
    return false; // the input ended before the end marker
}

} // namespace

bool is_rtf_data(const unsigned char *data, size_t len)
{
    if (data == nullptr || len < 12)
        return false;
    const uint32_t type = get_u32(data + 8);
    return type == kRtfCompressed || type == kRtfUncompressed;
}

uint32_t generate_crc(const unsigned char *data, size_t len)
{
    uint32_t crc = 0;
    for (size_t i = 0; i < len; ++i)
        crc = kCrcTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

owned_bytes decompress_rtf_data(const unsigned char *src, size_t len, size_t raw_size)
{
    owned_bytes out = alloc_bytes(raw_size);
    if (!lzfu_decode(src, len, out.get(), raw_size))
        fputs("RTF buffer overrun, input file may be corrupted\n", stderr);
    return out;
}

BodyPart get_rtf_data_from_buf(size_t len, const unsigned char *data)
{
    if (data == nullptr || len <= kRtfHeaderSize)
        refuse();
    const uint32_t comp_size = get_u32(data);
    const uint32_t raw_size = get_u32(data + 4);
    const uint32_t type = get_u32(data + 8);
    const uint32_t crc = get_u32(data + 12);
    const unsigned char *payload = data + kRtfHeaderSize;
    const size_t payload_len = len - kRtfHeaderSize;
    const uint64_t most = type == kRtfCompressed ? payload_len * kMaxExpansion : payload_len;
    if (static_cast<uint64_t>(comp_size) + 4 != len || raw_size == 0 || raw_size > most ||
        (type != kRtfCompressed && type != kRtfUncompressed))
        refuse();
    BodyPart body;
    if (type == kRtfUncompressed) {
        body.len = raw_size;
        body.data = alloc_bytes(raw_size);
        memcpy(body.data.get(), payload, raw_size);
        return body;
    }
    if (generate_crc(payload, payload_len) != crc) {
        fputs("Invalid RTF CRC, input file may be corrupted\n", stderr);
        return body;
    }
    body.len = raw_size;
    body.data = decompress_rtf_data(payload, payload_len, raw_size);
    return body;
}

std::vector<std::optional<BodyPart>> get_rtf_data(const MapiProperty &prop)
{
    std::vector<std::optional<BodyPart>> slots(prop.values.size() + 1);
    for (size_t i = 0; i < prop.values.size(); ++i) {
        const MapiValue &v = prop.values[i];
        if (is_rtf_data(v.data(), v.len))
            slots[i] = get_rtf_data_from_buf(v.len, v.data());
    }
    return slots;
}
