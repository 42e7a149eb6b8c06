// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/alloc.h"

#include "tnef/decode_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
size_t g_alloc_limit = 0;
}

void fatal(const char *msg)
{
    fputs(msg, stderr);
    throw decode_error();
}

void fatal_perror(const char *what)
{
    perror(what);
    throw decode_error();
}

void set_alloc_limit(size_t size)
{
    g_alloc_limit = size;
}

size_t get_alloc_limit()
{
    return g_alloc_limit;
}

void alloc_limit_assert(const char *fn_name, size_t size)
{
    if (g_alloc_limit != 0 && size > g_alloc_limit) {
        fprintf(stderr, "%s: Maximum allocation size exceeded (maxsize = %lu; size = %lu).\n", fn_name,
                static_cast<unsigned long>(g_alloc_limit), static_cast<unsigned long>(size));
        throw decode_error();
    }
}

void *xmalloc(size_t size)
{
    // malloc(0) may answer nullptr, which is not a failure here.
    void *p = std::malloc(size != 0 ? size : 1);
    if (p == nullptr)
        fatal_perror("xmalloc: Memory allocation failure");
    return p;
}

void *xcalloc(size_t count, size_t size)
{
    void *p = std::calloc(count != 0 ? count : 1, size != 0 ? size : 1);
    if (p == nullptr)
        fatal_perror("xmalloc: Memory allocation failure");
    return p;
}

void *checked_xmalloc(size_t size)
{
    alloc_limit_assert("checked_xmalloc", size);
    return xmalloc(size);
}

void *checked_xcalloc(size_t count, size_t size)
{
    size_t total = 0;
    if (__builtin_mul_overflow(count, size, &total)) {
        alloc_limit_assert("checked_xcalloc", static_cast<size_t>(-1));
        errno = ENOMEM;
        fatal_perror("xmalloc: Memory allocation failure");
    }
    alloc_limit_assert("checked_xcalloc", total);
    return xcalloc(count, size);
}

char *xstrdup(const char *s)
{
    if (s == nullptr)
        return nullptr;
    const size_t len = strlen(s);
    alloc_limit_assert("xstrdup", len);
    auto *copy = static_cast<char *>(xmalloc(len + 1));
    memcpy(copy, s, len + 1);
    return copy;
}

owned_bytes alloc_bytes(size_t len)
{
    if (len == 0)
        return nullptr;
    return owned_bytes(static_cast<unsigned char *>(checked_xcalloc(len, 1)));
}
