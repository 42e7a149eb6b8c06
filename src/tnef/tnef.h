// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The winmail.dat (TNEF) decoder: reads a stream strictly in order, keeps at
// most one attachment open, writes each attachment as soon as the next one
// begins, and writes the message bodies (RTF, HTML, text) at the end.

#include "tnef/alloc.h"
#include "tnef/flags.h"

#include <cstdio>

// parse_file's answer after a fatal decoding error (files already written
// stay, the open attachment and the bodies are dropped).
constexpr int TNEF_FATAL = -1;

// Decodes the stream (positioned at the signature) into directory. body_pref
// is "all" or up to three of "r", "h", "t"; options are the OPT_ bits.
// Returns 0 when decoded (also with trailing garbage), 1 when the stream is
// not TNEF or an attribute has an invalid level, TNEF_FATAL after a fatal
// decoding error. Never throws; not re-entrant.
int parse_file(FILE *input, const char *directory, const char *body_filename, const char *body_pref,
               unsigned int options);
