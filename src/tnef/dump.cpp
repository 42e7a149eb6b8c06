// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/dump.h"

#include "tnef/attr.h"
#include "tnef/date.h"
#include "tnef/input.h"
#include "tnef/mapi_attr.h"
#include "tnef/names.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kDumpBytes = 64;

void text_dump(const unsigned char *data, size_t len)
{
    const void *nul = len ? memchr(data, 0, len) : nullptr;
    const size_t shown = nul ? static_cast<size_t>(static_cast<const unsigned char *>(nul) - data) : len;
    printf("'%.*s'", static_cast<int>(shown), reinterpret_cast<const char *>(data));
}

void attr_value_dump(const TnefAttribute &attr)
{
    const unsigned char *d = attr.buf.get();
    TnefDate date;
    if ((attr.type == szTRIPLES || attr.type == szSTRING || attr.type == szTEXT) && attr.len > 0)
        text_dump(d, attr.len);
    else if (attr.type == szDATE && date_read(date, d, attr.len))
        printf("%s", date_to_str(date));
    else if ((attr.type == szSHORT || attr.type == szWORD) && attr.len == 2)
        printf("%u", get_u16(d));
    else if ((attr.type == szLONG || attr.type == szDWORD) && attr.len == 4)
        printf("%u", get_u32(d));
    else
        bytes_dump(d, attr.len);
}

void mapi_value_dump(uint16_t type, const MapiValue &v)
{
    const unsigned char *d = v.data();
    uint64_t wide = 0;
    memcpy(&wide, v.inline_data, sizeof wide);
    double real = 0;
    memcpy(&real, v.inline_data, sizeof real);
    float single = 0;
    memcpy(&single, v.inline_data, sizeof single);
    switch (type) {
    case szMAPI_SHORT:
        printf("%d", static_cast<int16_t>(get_u16(d)));
        break;
    case szMAPI_INT:
    case szMAPI_BOOLEAN:
        printf("%d", static_cast<int32_t>(get_u32(d)));
        break;
    case szMAPI_FLOAT:
        printf("%g", static_cast<double>(single));
        break;
    case szMAPI_DOUBLE:
    case szMAPI_APPTIME:
        printf("%g", real);
        break;
    case szMAPI_CURRENCY:
    case szMAPI_INT8BYTE:
    case szMAPI_SYSTIME:
        printf("%llu", static_cast<unsigned long long>(wide));
        break;
    case szMAPI_STRING:
    case szMAPI_UNICODE_STRING:
        text_dump(d, v.len);
        break;
    default:
        bytes_dump(d, v.len);
    }
}

} // namespace

void bytes_dump(const unsigned char *data, size_t len)
{
    for (size_t i = 0; i < len && i < kDumpBytes; ++i)
        printf("%02x%s", data[i], i + 1 < len ? " " : "");
    if (len > kDumpBytes)
        printf("...");
}

void guid_dump(const MapiGuid &g)
{
    printf("%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", g.data1, g.data2, g.data3, g.data4[0], g.data4[1],
           g.data4[2], g.data4[3], g.data4[4], g.data4[5], g.data4[6], g.data4[7]);
}

void attr_dump(const TnefAttribute &attr)
{
    printf("(%s) %s [type: %s] [len: %lu] = ", attr.lvl_type == LVL_MESSAGE ? "MESS" : "ATTA",
           get_tnef_name_str(attr.name), get_tnef_type_str(attr.type), static_cast<unsigned long>(attr.len));
    attr_value_dump(attr);
    printf("\n");
}

void mapi_attr_dump(const MapiProperty &prop)
{
    printf("(MAPI) %s [type: %s] [num_values = %lu] = \n", get_mapi_name_str(prop.name),
           get_mapi_type_str(prop.type), static_cast<unsigned long>(prop.num_values));
    if (prop.guid) {
        printf("\tGUID: ");
        guid_dump(*prop.guid);
        printf("\n");
    }
    for (size_t i = 0; i < prop.names.size(); ++i)
        printf("\tname #%d: '%.*s'\n", static_cast<int>(i), static_cast<int>(prop.names[i].len),
               prop.names[i].data ? reinterpret_cast<const char *>(prop.names[i].data.get()) : "");
    for (size_t i = 0; i < prop.values.size(); ++i) {
        printf("\t#%lu [len: %lu] = ", static_cast<unsigned long>(i), static_cast<unsigned long>(prop.values[i].len));
        mapi_value_dump(prop.type, prop.values[i]);
        printf("\n");
    }
}
