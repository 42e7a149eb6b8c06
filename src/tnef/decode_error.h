// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

// A fatal decoding error. Readers throw it after printing their message;
// parse_file() catches it, so it never leaves the decoder except through the
// few functions documented to raise it (the checked allocators and the
// compressed-RTF decoder, which parse_file calls).
struct decode_error : std::exception {
    const char *what() const noexcept override { return "fatal decoding error"; }
};

// Prints msg on standard error and abandons the decode.
[[noreturn]] void fatal(const char *msg);
// Reports what through perror() and abandons the decode.
[[noreturn]] void fatal_perror(const char *what);
