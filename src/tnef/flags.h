// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Option bits of the decoder. parse_file() stores its options argument in
// g_flags on entry; every module reads them from there.
enum : unsigned int {
    OPT_VERBOSE = 0x0001,
    OPT_DEBUG = 0x0002,
    OPT_LIST_ONLY = 0x0004,
    OPT_USE_PATHS = 0x0008,
    OPT_OVERWRITE = 0x0010,
    OPT_CONFIRM = 0x0020,
    OPT_NUMBER_COPIES = 0x0040,
    OPT_SAVE_BODIES = 0x0080,
    OPT_SHOW_MIME = 0x0100,
    OPT_IGNORE_CHECKSUM = 0x0200,
    OPT_TOLERATE_PROPS = 0x0400,
    OPT_TOLERATE_TRAILER = 0x0800,
    OPT_UNIX_SAFE = 0x1000,
    OPT_ABSOLUTE_PATHS = 0x2000,
};

// Process-wide: only one decode may run at a time.
extern unsigned int g_flags;

inline bool flag_set(unsigned int bit)
{
    return (g_flags & bit) != 0;
}
