// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The size of the volume that holds the Documents folder and what is free on
// it, in bytes.
struct ORDisk
{
    quint64 total = 0;
    quint64 free = 0;

    quint64 used() const { return total >= free ? total - free : 0; }
};
