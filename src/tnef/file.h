// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"
#include "tnef/date.h"

#include <optional>
#include <string>

struct TnefAttribute;

// The attachment being assembled; one is alive at a time and is cleared for
// the next. Message bodies are written through the same record.
struct TnefAttachment {
    std::optional<std::string> name;
    size_t len = 0;
    owned_bytes data;
    std::string path; // filled when written
    TnefDate dt;
    std::optional<std::string> mime_type;
    std::optional<std::string> content_id;
};

// Applies one attachment-level attribute (data, title, modification date,
// property block); a later value replaces an earlier one.
void file_add_attr(TnefAttachment &file, TnefAttribute &attr);

// A string of the bytes up to the first zero byte or len, limit-checked.
std::string bytes_to_string(const unsigned char *data, size_t len);
