// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

struct TnefAttachment;

// Writes one attachment or body into directory: the name is munged, every
// component of it cut to fit the file system's name limit, and joined to the
// directory; an existing file is kept (or overwritten, or numbered, as the
// options say). The folders of the name and the file are created relative to
// a descriptor of the directory, one component at a time, so nothing is ever
// written through a symbolic link or outside the directory; a component that
// is not a real folder skips that file. A file that cannot be created or
// written is a fatal decoding error. Prints the listing line with OPT_VERBOSE
// or OPT_LIST_ONLY.
void file_write(TnefAttachment &file, const char *directory);

// The listing line for a file, ending in "\n".
std::string listing_line(const TnefAttachment &file);
