// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"

#include <cstddef>

// UTF-16LE to UTF-8, unit by unit (surrogates are converted like any other
// unit), followed by a zero byte that *out_len does not count (a terminator
// unit of the text itself converts to a counted zero byte). A trailing odd
// byte is ignored.
owned_bytes utf16_to_utf8(const unsigned char *src, size_t len, size_t *out_len);
