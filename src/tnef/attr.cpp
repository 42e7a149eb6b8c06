// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/attr.h"

#include "tnef/decode_error.h"
#include "tnef/dump.h"
#include "tnef/flags.h"

namespace {

void report_checksum_mismatch(const TnefAttribute &attr, uint16_t sum, uint16_t checksum)
{
    if (flag_set(OPT_DEBUG)) {
        // Where the running sum met the stored one hints at a wrong length.
        int match = -1;
        uint16_t running = 0;
        for (size_t i = 0; i < attr.len; ++i) {
            running = static_cast<uint16_t>(running + attr.buf[i]);
            if (running == checksum)
                match = static_cast<int>(i);
        }
        printf("!!checksum error: length=%d sum=%04x checksum=%04x match=%d\n", static_cast<int>(attr.len), sum,
               checksum, match);
    }
    if (!flag_set(OPT_IGNORE_CHECKSUM))
        fatal("ERROR: invalid checksum, input file may be corrupted\n");
    fputs("WARNING: invalid checksum, input file may be corrupted\n", stderr);
}

} // namespace

uint16_t attr_checksum(const unsigned char *data, size_t len)
{
    // 65536 divides 2^32, so a wrapping 32-bit sum keeps the low half exact.
    uint32_t sum = 0;
    for (size_t i = 0; i < len; ++i)
        sum += data[i];
    return static_cast<uint16_t>(sum);
}

std::optional<TnefAttribute> read_attribute(tnef_input &in)
{
    unsigned char level = 0;
    if (!input_read(in, &level, 1))
        return std::nullopt;
    TnefAttribute attr;
    attr.lvl_type = level;
    const uint32_t word = input_u32(in);
    attr.name = static_cast<uint16_t>(word & 0xFFFF);
    attr.type = static_cast<uint16_t>(word >> 16);
    attr.len = input_u32(in);
    attr.buf = input_read_block(in, attr.len);
    const uint16_t checksum = input_u16(in);
    const uint16_t sum = attr_checksum(attr.buf.get(), attr.len);
    if (sum != checksum)
        report_checksum_mismatch(attr, sum, checksum);
    if (flag_set(OPT_DEBUG))
        attr_dump(attr);
    return attr;
}
