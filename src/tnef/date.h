// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

struct TnefDate {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t min = 0;
    uint16_t sec = 0;
    uint16_t dow = 0; // 0 = Sunday ... 6 = Saturday
};

constexpr size_t kTnefDateSize = 14;

// Reads the seven fields from the first 14 bytes; false (date unchanged)
// when fewer bytes are given.
bool date_read(TnefDate &date, const unsigned char *data, size_t len);

// "Sun 2024/01/31 12:00:00"; a static buffer that the next call overwrites.
const char *date_to_str(const TnefDate &date);
