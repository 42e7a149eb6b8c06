// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Turns an attachment name into a safe file name: control characters, the
// characters no file system takes (\ / : * ? " < > |) and the percent sign
// become "%XX"; with OPT_UNIX_SAFE also bytes of 0x80 and above and the
// characters a shell treats specially (space ; ` ' [ ] { } ( )). Absent or
// empty gives "".
std::string sanitize_filename(const char *fname);

// A backslash with something after the last one, and none of / : * ? " < > |
// nor any control character.
bool could_be_a_windows_path(const char *fname);

// The file name (relative to the output directory) for an attachment name,
// or nothing. With OPT_USE_PATHS the directory part of a Windows path is
// kept, minus its "", "." and ".." components, so it never climbs out of the
// output directory; a name that is "." or ".." gives nothing.
std::optional<std::string> munge_fname(const char *fname);

// name cut to at most max bytes (max of 32 or more): a short extension (up
// to 16 bytes after the last dot) stays, and the cut splits neither a UTF-8
// sequence nor a "%XX" escape. A name that fits is returned as it is.
std::string fit_name(std::string_view name, size_t max);

// fit_name on every "/"-separated component of a munged name.
std::string fit_components(std::string_view fname, size_t max);

// dir + "/" + fname (no doubled slash), trailing slashes removed; nothing when
// both are absent or the result is empty.
std::optional<std::string> concat_fname(const char *dir, const char *fname);
