// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Builds winmail.dat streams, MAPI property blocks and compressed-RTF values
// byte by byte, for the tests, the fuzz seeds and the benchmark.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

using Bytes = std::vector<unsigned char>;

void putU16(Bytes &out, uint16_t v);
void putU32(Bytes &out, uint32_t v);
Bytes bytesOf(std::string_view text);
// Each byte of text as one UTF-16LE unit, or the units given.
Bytes utf16le(std::u16string_view text);
uint16_t byteSum(const Bytes &data);

class TnefStreamBuilder {
public:
    explicit TnefStreamBuilder(uint16_t key = 0x0123);

    TnefStreamBuilder &attribute(int level, uint16_t type, uint16_t id, const Bytes &data);
    TnefStreamBuilder &attributeWithChecksum(int level, uint16_t type, uint16_t id, const Bytes &data,
                                             uint16_t checksum);
    TnefStreamBuilder &raw(const Bytes &bytes);

    // 0x9002, then the title (if any) and the data.
    TnefStreamBuilder &attachment(std::string_view title, const Bytes &data);
    TnefStreamBuilder &attachmentProps(const Bytes &block);
    TnefStreamBuilder &textBody(std::string_view text);
    TnefStreamBuilder &messageProps(const Bytes &block);

    const Bytes &bytes() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// A MAPI property block: the count, then the properties in order.
class MapiBlockBuilder {
public:
    // One fixed-size value (a short gets its two bytes of padding).
    MapiBlockBuilder &fixed(uint16_t type, uint16_t id, const Bytes &value);
    // The multi-valued form of a fixed-size type: count, then the values.
    MapiBlockBuilder &multiFixed(uint16_t type, uint16_t id, const std::vector<Bytes> &values);
    // Object, strings, binary: count, then length, bytes, padding per value.
    MapiBlockBuilder &buffers(uint16_t type, uint16_t id, const std::vector<Bytes> &values);
    // A named property (id >= 0x8000) with its GUID and names; with no names
    // the 32-bit replacement ID follows. Then the buffer values.
    MapiBlockBuilder &named(uint16_t type, uint16_t id, const std::vector<std::u16string> &names,
                            uint32_t replacementId, const std::vector<Bytes> &values);
    // Bytes appended as they are, counted as one property.
    MapiBlockBuilder &rawProperty(const Bytes &bytes);

    Bytes build() const;

private:
    uint32_t m_count = 0;
    Bytes m_props;
};

// A compressed-RTF value ("LZFu") of text, with a correct header and CRC.
Bytes rtfCompressed(std::string_view text);
// A stored value ("MELA").
Bytes rtfStored(std::string_view text);
// The LZFu payload alone (control bytes, literals, references, end marker).
Bytes lzfuPayload(std::string_view text);
// CRC-32 as compressed RTF uses it (bit by bit, independent of the decoder).
uint32_t rtfCrc(const Bytes &payload);

} // namespace sw
