// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

// MAPI property types; the multi-value flag is removed from a property's type.
enum : uint16_t {
    szMAPI_UNSPECIFIED = 0x0000,
    szMAPI_NULL = 0x0001,
    szMAPI_SHORT = 0x0002,
    szMAPI_INT = 0x0003,
    szMAPI_FLOAT = 0x0004,
    szMAPI_DOUBLE = 0x0005,
    szMAPI_CURRENCY = 0x0006,
    szMAPI_APPTIME = 0x0007,
    szMAPI_ERROR = 0x000A,
    szMAPI_BOOLEAN = 0x000B,
    szMAPI_OBJECT = 0x000D,
    szMAPI_INT8BYTE = 0x0014,
    szMAPI_STRING = 0x001E,
    szMAPI_UNICODE_STRING = 0x001F,
    szMAPI_SYSTIME = 0x0040,
    szMAPI_CLSID = 0x0048,
    szMAPI_BINARY = 0x0102,
    MULTI_VALUE_FLAG = 0x1000,
};

// Property IDs the decoder takes.
enum : uint32_t {
    MAPI_RTF_COMPRESSED = 0x1009,
    MAPI_BODY_HTML = 0x1013,
    MAPI_ATTACH_DATA_OBJ = 0x3701,
    MAPI_ATTACH_LONG_FILENAME = 0x3707,
    MAPI_ATTACH_MIME_TAG = 0x370E,
    MAPI_ATTACH_CONTENT_ID = 0x3712,
};

struct MapiValue {
    size_t len = 0;
    unsigned char inline_data[16] = {}; // fixed-size types
    owned_bytes buf;                   // object, strings and binary
    const unsigned char *data() const { return buf ? buf.get() : inline_data; }
};

struct MapiGuid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    uint8_t data4[8] = {};
};

// A name of a named property: the low byte of each UTF-16 unit, unterminated.
struct MapiName {
    size_t len = 0;
    owned_bytes data;
};

struct MapiProperty {
    uint16_t type = 0;
    uint32_t name = 0; // the property ID
    size_t num_values = 0;
    std::vector<MapiValue> values;
    std::optional<MapiGuid> guid;
    size_t num_names = 0;
    std::vector<MapiName> names;
};

// True for the types whose values are byte buffers (object, strings, binary).
bool mapi_type_has_buffer(uint16_t type);

// Decodes a property block. Every count and length is checked against the
// block; a refused type or a block that runs past its end prints its message
// and is a fatal decoding error, or with OPT_TOLERATE_PROPS gives an empty
// list (the whole block is dropped).
std::vector<MapiProperty> mapi_attr_read(size_t len, const unsigned char *buf);

// Prints msg; returns when OPT_TOLERATE_PROPS lets the caller drop the block,
// else abandons the decode.
void mapi_block_fault(const char *msg);

// The properties of ids that the decoder takes bytes from must be of a
// buffer type. False (after mapi_block_fault) when one is not.
bool mapi_props_have_buffers(const std::vector<MapiProperty> &props, std::initializer_list<uint32_t> ids);
