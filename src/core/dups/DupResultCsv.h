// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupKeeper.h"
#include "core/foundation/ORDupData.h"

#include <QByteArray>

#include <functional>

namespace sw {

// A duplicate result as CSV (RFC 4180: CRLF line ends, every field that
// holds a comma, a quote, a CR or an LF quoted, quotes doubled), one row per
// copy under a header: set (1 for the first set), size (bytes of one copy),
// path, modification time (ISO 8601, UTC), kept ("yes" for a copy that
// stays). The text is UTF-8; a path whose bytes were not valid text holds
// U+FFFD where they were, as the paths of the result do.
class DupResultCsv
{
public:
    // Whether the copy at index of group stays.
    using Kept = std::function<bool(const ORDupDataGroup &group, qsizetype index)>;

    static QByteArray write(const ORDupData &data, const Kept &kept);
    // What stays of a group: its unmarked items once any is marked, else the
    // copy keeper keeps (every item of a group whose items all may go).
    static Kept keptBy(const DupKeeper &keeper);
    // One field as written: quoted when it must be.
    static QByteArray field(const QString &text);
};

}  // namespace sw
