// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/mapi_attr.h"

#include "tnef/decode_error.h"
#include "tnef/dump.h"
#include "tnef/flags.h"
#include "tnef/input.h"
#include "tnef/unicode.h"

#include <cstdio>
#include <cstring>

namespace {

const char kInvalid[] = "Invalid attribute, input file may be corrupted\n";
const char kUndefined[] = "Undefined attribute, input file may be corrupted\n";

// Thrown inside the block reader; mapi_attr_read turns it into the block's fate.
struct block_fault {
    const char *message;
};

// Reads the block front to back; every read is checked against what is left.
class block_cursor {
public:
    block_cursor(const unsigned char *p, size_t n) : m_p(p), m_left(n) {}

    const unsigned char *take(uint64_t n)
    {
        if (n > m_left)
            throw block_fault{kInvalid};
        const unsigned char *at = m_p;
        m_p += n;
        m_left -= static_cast<size_t>(n);
        return at;
    }
    uint16_t u16() { return get_u16(take(2)); }
    uint32_t u32() { return get_u32(take(4)); }
    // Skips the padding after n bytes up to a multiple of 4.
    void pad(uint64_t n) { take((4 - n % 4) % 4); }
    // A count of items each at least unit bytes long must fit in what is left.
    void require(uint64_t count, size_t unit) const
    {
        if (count > m_left / unit)
            throw block_fault{kInvalid};
    }

private:
    const unsigned char *m_p;
    size_t m_left;
};

size_t fixed_size(uint16_t type)
{
    switch (type) {
    case szMAPI_SHORT:
        return 2;
    case szMAPI_INT:
    case szMAPI_FLOAT:
    case szMAPI_BOOLEAN:
        return 4;
    case szMAPI_DOUBLE:
    case szMAPI_CURRENCY:
    case szMAPI_APPTIME:
    case szMAPI_INT8BYTE:
    case szMAPI_SYSTIME:
        return 8;
    case szMAPI_CLSID:
        return 16;
    default:
        return 0;
    }
}

void read_fixed_values(block_cursor &cur, MapiProperty &prop, bool multi)
{
    const size_t size = fixed_size(prop.type);
    const size_t stored = size < 4 ? 4 : size; // a short is padded to 4 bytes
    const bool may_repeat = prop.type == szMAPI_INT || prop.type == szMAPI_SYSTIME;
    if (multi && !may_repeat)
        throw block_fault{kInvalid};
    const uint32_t count = multi ? cur.u32() : 1;
    cur.require(count, stored);
    prop.values.resize(count);
    for (MapiValue &v : prop.values) {
        v.len = size;
        memcpy(v.inline_data, cur.take(stored), size);
    }
}

void read_buffer_values(block_cursor &cur, MapiProperty &prop)
{
    const uint32_t count = cur.u32();
    cur.require(count, 4);
    prop.values.resize(count);
    for (MapiValue &v : prop.values) {
        const uint32_t len = cur.u32();
        const unsigned char *bytes = cur.take(len);
        cur.pad(len);
        if (prop.type == szMAPI_UNICODE_STRING) {
            v.buf = utf16_to_utf8(bytes, len, &v.len);
        } else {
            v.len = len;
            v.buf = alloc_bytes(len);
            if (len != 0)
                memcpy(v.buf.get(), bytes, len);
        }
    }
}

void read_named_fields(block_cursor &cur, MapiProperty &prop)
{
    MapiGuid guid;
    guid.data1 = cur.u32();
    guid.data2 = cur.u16();
    guid.data3 = cur.u16();
    memcpy(guid.data4, cur.take(8), 8);
    prop.guid = guid;
    const uint32_t count = cur.u32();
    if (count == 0) {
        prop.name = cur.u32();
        return;
    }
    cur.require(count, 4);
    prop.num_names = count;
    prop.names.resize(count);
    for (MapiName &name : prop.names) {
        const uint32_t len = cur.u32();
        const unsigned char *units = cur.take(len);
        cur.pad(len);
        name.len = len / 2;
        name.data = alloc_bytes(name.len);
        for (size_t i = 0; i < name.len; ++i)
            name.data[i] = units[2 * i];
    }
}

MapiProperty read_property(block_cursor &cur)
{
    MapiProperty prop;
    const uint16_t type = cur.u16();
    prop.type = static_cast<uint16_t>(type & ~MULTI_VALUE_FLAG);
    prop.name = cur.u16();
    if (prop.name >= 0x8000)
        read_named_fields(cur, prop);
    const bool multi = (type & MULTI_VALUE_FLAG) != 0;
    if (mapi_type_has_buffer(prop.type))
        read_buffer_values(cur, prop);
    else if (fixed_size(prop.type) != 0)
        read_fixed_values(cur, prop, multi);
    else if (prop.type == szMAPI_UNSPECIFIED || prop.type == szMAPI_NULL || prop.type == szMAPI_ERROR)
        throw block_fault{kInvalid};
    else
        throw block_fault{kUndefined};
    prop.num_values = prop.values.size();
    return prop;
}

} // namespace

bool mapi_type_has_buffer(uint16_t type)
{
    return type == szMAPI_OBJECT || type == szMAPI_STRING || type == szMAPI_UNICODE_STRING || type == szMAPI_BINARY;
}

void mapi_block_fault(const char *msg)
{
    if (!flag_set(OPT_TOLERATE_PROPS))
        fatal(msg);
    fputs(msg, stderr);
}

std::vector<MapiProperty> mapi_attr_read(size_t len, const unsigned char *buf)
{
    std::vector<MapiProperty> props;
    try {
        block_cursor cur(buf, len);
        const uint32_t count = cur.u32();
        cur.require(count, 4); // type and ID at least
        for (uint32_t i = 0; i < count; ++i) {
            props.push_back(read_property(cur));
            if (flag_set(OPT_DEBUG))
                mapi_attr_dump(props.back());
        }
    } catch (const block_fault &fault) {
        mapi_block_fault(fault.message);
        props.clear();
    }
    return props;
}

bool mapi_props_have_buffers(const std::vector<MapiProperty> &props, std::initializer_list<uint32_t> ids)
{
    for (const MapiProperty &prop : props) {
        for (uint32_t id : ids) {
            if (prop.name == id && prop.num_values > 0 && !mapi_type_has_buffer(prop.type)) {
                mapi_block_fault(kInvalid);
                return false;
            }
        }
    }
    return true;
}
