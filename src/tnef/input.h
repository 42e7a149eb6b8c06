// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"

#include <cstdint>
#include <cstdio>
#include <sys/types.h>

// The stream being decoded. For a regular file the size is known, which lets
// the decoder judge trailing bytes and refuse a length field that claims more
// bytes than are left, before allocating anything.
struct tnef_input {
    FILE *fp = nullptr;
    bool regular = false;
    off_t size = 0;
    off_t pos = 0;
};

tnef_input input_open(FILE *fp);

// Reads exactly n bytes; false when the input ends first.
bool input_read(tnef_input &in, void *buf, size_t n);
// Reads exactly n bytes or abandons the decode with "Unexpected end of input".
void input_read_exact(tnef_input &in, void *buf, size_t n);
uint16_t input_u16(tnef_input &in);
uint32_t input_u32(tnef_input &in);
// Reads a block of len bytes into a zero-filled buffer, never allocating
// more than the input actually holds (plus one read chunk for a pipe).
owned_bytes input_read_block(tnef_input &in, size_t len);

// The end-of-data rule: false when the attribute loop should stop. Trailing
// bytes of a regular file shorter than an attribute header are reported here.
bool input_data_left(tnef_input &in);

inline uint16_t get_u16(const unsigned char *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t get_u32(const unsigned char *p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
