// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/unicode.h"

#include "tnef/input.h"

owned_bytes utf16_to_utf8(const unsigned char *src, size_t len, size_t *out_len)
{
    owned_bytes out = alloc_bytes(3 * (len / 2) + 1);
    unsigned char *o = out.get();
    for (size_t i = 0; i + 1 < len; i += 2) {
        const unsigned unit = get_u16(src + i);
        if (unit < 0x80) {
            *o++ = static_cast<unsigned char>(unit);
        } else if (unit < 0x800) {
            *o++ = static_cast<unsigned char>(0xC0 | (unit >> 6));
            *o++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        } else {
            *o++ = static_cast<unsigned char>(0xE0 | (unit >> 12));
            *o++ = static_cast<unsigned char>(0x80 | ((unit >> 6) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
        }
    }
    *out_len = static_cast<size_t>(o - out.get());
    *o = 0;
    return out;
}
