// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// A duplicate result as JSON, in the members the command line's `dups
// --json` writes: "dupGroups" (each with "groupName", "groupType",
// "groupSize" and "groupItems" of "itemPath", "itemSize" and "itemModTime",
// ISO 8601 in UTC) and "dupTotalSize". Members the reader does not know
// (a plan, a removal report) are passed over.
class DupResultJson
{
public:
    // Refused whole beyond this: no saved result of ours comes near it.
    static constexpr qint64 kMaxBytes = 256 * 1024 * 1024;

    static QByteArray write(const ORDupData &data);
    // A modification time as both formats write it: ISO 8601 in UTC, to the second.
    static QString isoTime(qint64 msSinceEpoch);
    // Why a file larger than kMaxBytes is refused.
    static QString tooLarge();

    struct Read
    {
        ORDupData data;      // sets and copies as listed, nothing checked on the disk
        QStringList skipped;  // the entries left out and why, one line each
    };
    // The sets of a saved result. An entry whose path is not absolute and
    // clean (no ".", ".." or empty component), or that lacks its size, is
    // left out and named in skipped; a document that is not such a result
    // gives nullopt and the reason in error.
    static std::optional<Read> read(const QByteArray &json, QString *error);
};

}  // namespace sw
