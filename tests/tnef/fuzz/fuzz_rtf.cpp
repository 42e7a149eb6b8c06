// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: one compressed-RTF value, and the decompressor on its
// own (a wrong CRC would otherwise keep most inputs away from it).

#include "tnef/decode_error.h"
#include "tnef/rtf.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        BodyPart body = get_rtf_data_from_buf(size, data);
        (void)body;
    } catch (const decode_error &) {
        // a refused header
    }
    if (size >= 2) {
        const size_t raw = static_cast<size_t>(data[0]) | (static_cast<size_t>(data[1]) << 8);
        owned_bytes out = decompress_rtf_data(data + 2, size - 2, raw);
        (void)out;
    }
    return 0;
}
