// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/support/TnefStreamBuilder.h"

#include <array>

namespace sw {

namespace {

constexpr std::string_view kPrologue =
    "{\\rtf1\\ansi\\mac\\deff0\\deftab720{\\fonttbl;}{\\f0\\fnil \\froman \\fswiss "
    "\\fmodern \\fscript \\fdecor MS Sans SerifSymbolArialTimes New RomanCourier"
    "{\\colortbl\\red0\\green0\\blue0\r\n\\par \\pard\\plain\\f0\\fs20\\b\\i\\u\\tab\\tx";

void pad4(Bytes &out, size_t len)
{
    out.insert(out.end(), (4 - len % 4) % 4, 0);
}

// Count, then per value its length, its bytes and the padding.
void putBufferValues(Bytes &out, const std::vector<Bytes> &values)
{
    putU32(out, static_cast<uint32_t>(values.size()));
    for (const Bytes &v : values) {
        putU32(out, static_cast<uint32_t>(v.size()));
        out.insert(out.end(), v.begin(), v.end());
        pad4(out, v.size());
    }
}

// Greedy LZ77 over the ring dictionary the decoder keeps; a two-byte hash
// remembers the last place each pair was written.
class LzfuEncoder {
public:
    explicit LzfuEncoder(std::string_view text) : m_text(text)
    {
        m_last.fill(-1);
        for (size_t i = 0; i < kPrologue.size(); ++i)
            put(static_cast<unsigned char>(kPrologue[i]));
    }

    Bytes encode()
    {
        size_t i = 0;
        bool ended = false;
        while (!ended) {
            const size_t controlAt = m_out.size();
            m_out.push_back(0);
            for (int bit = 0; bit < 8 && !ended; ++bit) {
                const size_t len = i < m_text.size() ? bestMatch(i) : 0;
                if (i == m_text.size()) {
                    m_out[controlAt] |= static_cast<unsigned char>(1 << bit);
                    reference(m_wp, 0);
                    ended = true;
                } else if (len >= 2) {
                    m_out[controlAt] |= static_cast<unsigned char>(1 << bit);
                    reference(m_offset, len);
                    for (size_t k = 0; k < len; ++k)
                        put(static_cast<unsigned char>(m_text[i + k]));
                    i += len;
                } else {
                    m_out.push_back(static_cast<unsigned char>(m_text[i]));
                    put(static_cast<unsigned char>(m_text[i++]));
                }
            }
        }
        return m_out;
    }

private:
    // What the decoder would produce at step k of a copy from off.
    unsigned char sourceByte(size_t i, size_t off, size_t k) const
    {
        const size_t d = (off + k - m_wp) & 4095;
        return d < k ? static_cast<unsigned char>(m_text[i + d]) : m_dict[(off + k) & 4095];
    }

    size_t bestMatch(size_t i)
    {
        if (i + 1 >= m_text.size())
            return 0;
        const int cand = m_last[pairKey(m_text[i], m_text[i + 1])];
        if (cand < 0 || static_cast<size_t>(cand) == m_wp)
            return 0;
        size_t len = 0;
        while (len < 17 && i + len < m_text.size() &&
               sourceByte(i, static_cast<size_t>(cand), len) == static_cast<unsigned char>(m_text[i + len]))
            ++len;
        m_offset = static_cast<size_t>(cand);
        return len;
    }

    static size_t pairKey(char a, char b)
    {
        return (static_cast<size_t>(static_cast<unsigned char>(a)) << 8) | static_cast<unsigned char>(b);
    }

    void reference(size_t offset, size_t len)
    {
        const unsigned word = static_cast<unsigned>((offset << 4) | (len >= 2 ? len - 2 : 0));
        m_out.push_back(static_cast<unsigned char>(word >> 8));
        m_out.push_back(static_cast<unsigned char>(word & 0xFF));
    }

    void put(unsigned char c)
    {
        m_dict[m_wp] = c;
        const size_t prev = (m_wp + 4095) & 4095;
        m_last[(static_cast<size_t>(m_dict[prev]) << 8) | c] = static_cast<int>(prev);
        m_wp = (m_wp + 1) & 4095;
    }

    std::string_view m_text;
    std::array<unsigned char, 4096> m_dict{};
    std::array<int, 65536> m_last{};
    size_t m_wp = 0;
    size_t m_offset = 0;
    Bytes m_out;
};

Bytes rtfValue(uint32_t rawSize, uint32_t type, uint32_t crc, const Bytes &payload)
{
    Bytes out;
    putU32(out, static_cast<uint32_t>(payload.size() + 12));
    putU32(out, rawSize);
    putU32(out, type);
    putU32(out, crc);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

} // namespace

void putU16(Bytes &out, uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void putU32(Bytes &out, uint32_t v)
{
    putU16(out, static_cast<uint16_t>(v & 0xFFFF));
    putU16(out, static_cast<uint16_t>(v >> 16));
}

Bytes bytesOf(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

Bytes utf16le(std::u16string_view text)
{
    Bytes out;
    for (char16_t unit : text)
        putU16(out, static_cast<uint16_t>(unit));
    return out;
}

uint16_t byteSum(const Bytes &data)
{
    uint32_t sum = 0;
    for (unsigned char b : data)
        sum += b;
    return static_cast<uint16_t>(sum);
}

TnefStreamBuilder::TnefStreamBuilder(uint16_t key)
{
    putU32(m_bytes, 0x223E9F78);
    putU16(m_bytes, key);
}

TnefStreamBuilder &TnefStreamBuilder::attribute(int level, uint16_t type, uint16_t id, const Bytes &data)
{
    return attributeWithChecksum(level, type, id, data, byteSum(data));
}

TnefStreamBuilder &TnefStreamBuilder::attributeWithChecksum(int level, uint16_t type, uint16_t id,
                                                            const Bytes &data, uint16_t checksum)
{
    m_bytes.push_back(static_cast<unsigned char>(level));
    putU16(m_bytes, id);
    putU16(m_bytes, type);
    putU32(m_bytes, static_cast<uint32_t>(data.size()));
    m_bytes.insert(m_bytes.end(), data.begin(), data.end());
    putU16(m_bytes, checksum);
    return *this;
}

TnefStreamBuilder &TnefStreamBuilder::raw(const Bytes &bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

TnefStreamBuilder &TnefStreamBuilder::attachment(std::string_view title, const Bytes &data)
{
    attribute(2, 0x0006, 0x9002, Bytes(14, 0));
    if (!title.empty()) {
        Bytes name = bytesOf(title);
        name.push_back(0);
        attribute(2, 0x0001, 0x8010, name);
    }
    return attribute(2, 0x0006, 0x800F, data);
}

TnefStreamBuilder &TnefStreamBuilder::attachmentProps(const Bytes &block)
{
    return attribute(2, 0x0006, 0x9005, block);
}

TnefStreamBuilder &TnefStreamBuilder::textBody(std::string_view text)
{
    return attribute(1, 0x0002, 0x800C, bytesOf(text));
}

TnefStreamBuilder &TnefStreamBuilder::messageProps(const Bytes &block)
{
    return attribute(1, 0x0006, 0x9003, block);
}

MapiBlockBuilder &MapiBlockBuilder::fixed(uint16_t type, uint16_t id, const Bytes &value)
{
    putU16(m_props, type);
    putU16(m_props, id);
    m_props.insert(m_props.end(), value.begin(), value.end());
    pad4(m_props, value.size());
    ++m_count;
    return *this;
}

MapiBlockBuilder &MapiBlockBuilder::multiFixed(uint16_t type, uint16_t id, const std::vector<Bytes> &values)
{
    putU16(m_props, static_cast<uint16_t>(type | 0x1000));
    putU16(m_props, id);
    putU32(m_props, static_cast<uint32_t>(values.size()));
    for (const Bytes &v : values)
        m_props.insert(m_props.end(), v.begin(), v.end());
    ++m_count;
    return *this;
}

MapiBlockBuilder &MapiBlockBuilder::buffers(uint16_t type, uint16_t id, const std::vector<Bytes> &values)
{
    putU16(m_props, type);
    putU16(m_props, id);
    putBufferValues(m_props, values);
    ++m_count;
    return *this;
}

MapiBlockBuilder &MapiBlockBuilder::named(uint16_t type, uint16_t id, const std::vector<std::u16string> &names,
                                          uint32_t replacementId, const std::vector<Bytes> &values)
{
    putU16(m_props, type);
    putU16(m_props, id);
    putU32(m_props, 0x00020329); // a GUID: one 32-bit, two 16-bit and eight single-byte fields
    putU16(m_props, 0x0000);
    putU16(m_props, 0x0000);
    for (unsigned char b : {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46})
        m_props.push_back(b);
    putU32(m_props, static_cast<uint32_t>(names.size()));
    if (names.empty())
        putU32(m_props, replacementId);
    for (const std::u16string &name : names) {
        const Bytes units = utf16le(name);
        putU32(m_props, static_cast<uint32_t>(units.size()));
        m_props.insert(m_props.end(), units.begin(), units.end());
        pad4(m_props, units.size());
    }
    putBufferValues(m_props, values);
    ++m_count;
    return *this;
}

MapiBlockBuilder &MapiBlockBuilder::rawProperty(const Bytes &bytes)
{
    m_props.insert(m_props.end(), bytes.begin(), bytes.end());
    ++m_count;
    return *this;
}

Bytes MapiBlockBuilder::build() const
{
    Bytes out;
    putU32(out, m_count);
    out.insert(out.end(), m_props.begin(), m_props.end());
    return out;
}

uint32_t rtfCrc(const Bytes &payload)
{
    uint32_t crc = 0;
    for (unsigned char b : payload) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return crc;
}

Bytes lzfuPayload(std::string_view text)
{
    return LzfuEncoder(text).encode();
}

Bytes rtfCompressed(std::string_view text)
{
    const Bytes payload = lzfuPayload(text);
    return rtfValue(static_cast<uint32_t>(text.size()), 0x75465A4C, rtfCrc(payload), payload);
}

Bytes rtfStored(std::string_view text)
{
    return rtfValue(static_cast<uint32_t>(text.size()), 0x414C454D, 0, bytesOf(text));
}

} // namespace sw
