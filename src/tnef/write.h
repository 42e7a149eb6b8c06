#pragma once

#include <string>

struct TnefAttachment;

// Writes one attachment or body into directory: the name is munged and
// joined to the directory, an existing file is kept (or overwritten, or
// numbered, as the options say), and a file that cannot be created or
// written is a fatal decoding error. Nothing is ever written through a
// symbolic link. Prints the listing line with OPT_VERBOSE or OPT_LIST_ONLY.
void file_write(TnefAttachment &file, const char *directory);

// The listing line for a file, ending in "\n".
std::string listing_line(const TnefAttachment &file);
