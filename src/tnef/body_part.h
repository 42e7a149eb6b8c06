// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tnef/alloc.h"

#include <cstddef>

// One message body (or one value of a body property): len bytes.
struct BodyPart {
    size_t len = 0;
    owned_bytes data;
};
