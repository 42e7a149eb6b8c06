// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

// Names for the debug dumps: "NAME <%04x>" for a known value, "%04x" for
// any other, in a static 128-byte buffer that the next call overwrites.
const char *get_tnef_name_str(uint16_t id);
const char *get_tnef_type_str(uint16_t type);
const char *get_mapi_name_str(uint32_t id);
const char *get_mapi_type_str(uint16_t type);

size_t mapi_name_count();
