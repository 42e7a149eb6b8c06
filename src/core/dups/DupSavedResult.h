// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace sw {

class JobControl;

// Opens a result saved as JSON (DupResultJson) and checks it against the
// disk before anything may act on it, so it is held to what a fresh scan
// proves:
//   each copy must still be a regular file (not a link, a folder or a
//   device) of the recorded size and modification time (to the second),
//   named by its real path (no link on its way), not protected, and the
//   user's to move; a path to a file already listed counts once
//   the copies left of each set are compared byte for byte
//   (ContentComparer); a set splits where contents differ
// What fails is dropped with a note; a set left with fewer than two copies
// disappears. The result is never more than what the file lists.
class DupSavedResult
{
public:
    struct Opened
    {
        std::shared_ptr<ORDupData> data;  // nullptr: error says why, or the job was cancelled
        QString error;
        QStringList notes;  // one line per entry dropped
    };

    static Opened open(const QString &file, const JobControl *job = nullptr);
    // The checks and the comparison above, for sets read from a file.
    static std::shared_ptr<ORDupData> check(const ORDupData &listed, QStringList &notes,
                                            const JobControl *job = nullptr);
};

}  // namespace sw
