// SPDX-License-Identifier: GPL-3.0-or-later
#include "tnef/input.h"

#include "tnef/decode_error.h"
#include "tnef/flags.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {

// A pipe's length field cannot be checked in advance: grow the buffer as the
// bytes arrive, at most this much ahead of them.
constexpr size_t kPipeChunk = size_t(1) << 20;

[[noreturn]] void unexpected_end()
{
    fatal_perror("Unexpected end of input");
}

} // namespace

tnef_input input_open(FILE *fp)
{
    tnef_input in;
    in.fp = fp;
    struct stat st {};
    const int fd = fileno(fp);
    if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const off_t pos = ftello(fp);
        if (pos >= 0) {
            in.regular = true;
            in.size = st.st_size;
            in.pos = pos;
        }
    }
    return in;
}

bool input_read(tnef_input &in, void *buf, size_t n)
{
    const size_t got = fread(buf, 1, n, in.fp);
    in.pos += static_cast<off_t>(got);
    return got == n;
}

void input_read_exact(tnef_input &in, void *buf, size_t n)
{
    if (!input_read(in, buf, n))
        unexpected_end();
}

uint16_t input_u16(tnef_input &in)
{
    unsigned char b[2];
    input_read_exact(in, b, sizeof b);
    return get_u16(b);
}

uint32_t input_u32(tnef_input &in)
{
    unsigned char b[4];
    input_read_exact(in, b, sizeof b);
    return get_u32(b);
}

owned_bytes input_read_block(tnef_input &in, size_t len)
{
    if (in.regular && static_cast<uint64_t>(len) > static_cast<uint64_t>(in.size - in.pos))
        unexpected_end();
    if (in.regular || len <= kPipeChunk) {
        owned_bytes buf = alloc_bytes(len);
        input_read_exact(in, buf.get(), len);
        return buf;
    }
    alloc_limit_assert("checked_xcalloc", len);
    owned_bytes buf;
    size_t have = 0;
    while (have < len) {
        const size_t next = std::min(len, have + std::max(have, kPipeChunk));
        void *grown = std::realloc(buf.get(), next);
        if (grown == nullptr)
            fatal_perror("xmalloc: Memory allocation failure");
        buf.release();
        buf.reset(static_cast<unsigned char *>(grown));
        input_read_exact(in, buf.get() + have, next - have);
        have = next;
    }
    return buf;
}

bool input_data_left(tnef_input &in)
{
    if (!in.regular) {
        const int c = getc(in.fp);
        if (c == EOF)
            return false;
        ungetc(c, in.fp);
        return true;
    }
    const off_t left = in.size - in.pos;
    if (left <= 0 || left >= 8)
        return left > 0;
    if (flag_set(OPT_TOLERATE_TRAILER) && left == 2) {
        unsigned char c = 0;
        if (!input_read(in, &c, 1))
            fatal("ERROR: confused beyond all redemption.\n");
        if (c == '\r') {
            if (flag_set(OPT_VERBOSE))
                fputs("WARNING: garbage at end of file (ignored)\n", stderr);
            return false;
        }
    }
    fputs("ERROR: garbage at end of file.\n", stderr);
    return false;
}
