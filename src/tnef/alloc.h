// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

// Allocation for every buffer whose size comes from the stream. The limit is
// process-wide; 0 means no limit. Going over it, or running out of memory, is
// a fatal decoding error (decode_error).

void set_alloc_limit(size_t size);
size_t get_alloc_limit();
void alloc_limit_assert(const char *fn_name, size_t size);

void *xmalloc(size_t size);
void *xcalloc(size_t count, size_t size);
void *checked_xmalloc(size_t size);
void *checked_xcalloc(size_t count, size_t size);
// Copies s after the limit check on its length; nullptr stays nullptr.
char *xstrdup(const char *s);

struct free_deleter {
    void operator()(void *p) const { std::free(p); }
};
using owned_bytes = std::unique_ptr<unsigned char[], free_deleter>;
using owned_str = std::unique_ptr<char[], free_deleter>;

// A zero-filled, checked buffer of len bytes; no buffer for 0 bytes.
owned_bytes alloc_bytes(size_t len);
