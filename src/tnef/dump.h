// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

struct TnefAttribute;
struct MapiProperty;
struct MapiGuid;

// The debug dumps (OPT_DEBUG), on standard output.
void attr_dump(const TnefAttribute &attr);
void mapi_attr_dump(const MapiProperty &prop);
void guid_dump(const MapiGuid &guid);
// Up to 64 bytes in hexadecimal, "..." after a longer buffer.
void bytes_dump(const unsigned char *data, size_t len);
