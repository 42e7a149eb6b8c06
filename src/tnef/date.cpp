// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/date.h"

#include "tnef/input.h"

#include <cstdio>

bool date_read(TnefDate &date, const unsigned char *data, size_t len)
{
    if (data == nullptr || len < kTnefDateSize)
        return false;
    uint16_t *fields[] = {&date.year, &date.month, &date.day, &date.hour, &date.min, &date.sec, &date.dow};
    for (size_t i = 0; i < 7; ++i)
        *fields[i] = get_u16(data + 2 * i);
    return true;
}

const char *date_to_str(const TnefDate &date)
{
    static const char *const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static char buf[64];
    // The day of week comes from the stream; an unknown one keeps the width.
    const char *day = date.dow < 7 ? days[date.dow] : "???";
    snprintf(buf, sizeof buf, "%s %04d/%02d/%02d %02d:%02d:%02d", day, date.year, date.month, date.day, date.hour,
             date.min, date.sec);
    return buf;
}
