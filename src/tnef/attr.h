// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"
#include "tnef/input.h"

#include <cstdint>
#include <optional>

// Attribute levels.
enum : int {
    LVL_MESSAGE = 1,
    LVL_ATTACHMENT = 2,
};

// Attribute types (the high half of the attribute word).
enum : uint16_t {
    szTRIPLES = 0x0000,
    szSTRING = 0x0001,
    szTEXT = 0x0002,
    szDATE = 0x0003,
    szSHORT = 0x0004,
    szLONG = 0x0005,
    szBYTE = 0x0006,
    szWORD = 0x0007,
    szDWORD = 0x0008,
    szMAX = 0x0009,
};

// Attribute IDs the decoder acts on.
enum : uint16_t {
    attBODY = 0x800C,
    attATTACHDATA = 0x800F,
    attATTACHTITLE = 0x8010,
    attATTACHMODIFYDATE = 0x8013,
    attATTACHRENDDATA = 0x9002,
    attMAPIPROPS = 0x9003,
    attATTACHMENT = 0x9005,
};

struct TnefAttribute {
    int lvl_type = 0;
    uint16_t type = 0;
    uint16_t name = 0; // the attribute ID
    size_t len = 0;
    owned_bytes buf; // exactly len bytes
};

// Reads the next attribute and checks its checksum. Nothing when the input
// ends exactly before it; a fatal decoding error when it ends inside it.
std::optional<TnefAttribute> read_attribute(tnef_input &in);

// Sum of the bytes modulo 65536.
uint16_t attr_checksum(const unsigned char *data, size_t len);
