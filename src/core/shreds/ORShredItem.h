// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One file or folder the user chose to shred.
struct ORShredItem
{
    QString shredPath;  // absolute and clean
    qint64 shredSize = 0;  // what it counted for when chosen (0 when refused)
    QString refusal;       // why it will not be removed; empty when it may be
    QString realFolder;    // where its folder really was when it was chosen
};
