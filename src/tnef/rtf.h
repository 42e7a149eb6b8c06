// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"
#include "tnef/body_part.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct MapiProperty;

// Compressed RTF: a 16-byte header (compressed size, raw size, "LZFu" or
// "MELA", CRC) and a payload. "LZFu" payloads are an LZ77 stream over a
// 4096-byte ring dictionary that starts with a fixed RTF prologue; "MELA"
// payloads are stored as they are. Pure in-memory work, no state between calls.

constexpr uint32_t kRtfCompressed = 0x75465A4C;   // "LZFu"
constexpr uint32_t kRtfUncompressed = 0x414C454D; // "MELA"
constexpr size_t kRtfHeaderSize = 16;

// True when the type field at offset 8 says "LZFu" or "MELA".
bool is_rtf_data(const unsigned char *data, size_t len);

// One slot per value of prop plus a terminating empty slot; slot i holds the
// decoded body of value i when that value passes is_rtf_data.
std::vector<std::optional<BodyPart>> get_rtf_data(const MapiProperty &prop);

// Decodes one value. The result is raw-size bytes long, or empty after a CRC
// mismatch. A header whose sizes disagree with the bytes (too short, wrong
// compressed size, raw size 0 or more than the payload can produce) prints
// "RTF buffer overrun, ..." and raises decode_error.
BodyPart get_rtf_data_from_buf(size_t len, const unsigned char *data);

// CRC-32 (reflected 0xEDB88320), initial value 0, no final inversion.
uint32_t generate_crc(const unsigned char *data, size_t len);

// Decompresses an "LZFu" payload into a zero-filled buffer of raw_size bytes;
// an overrun keeps what was produced and prints a message.
owned_bytes decompress_rtf_data(const unsigned char *src, size_t len, size_t raw_size);
