// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

// The folder temporary folders and files go below: $TMPDIR when it is set,
// else /tmp. It must be an existing folder, absolute, and either the user's
// own or sticky (as /tmp is: others may not remove or rename what the user
// puts there). Anything else is an error that names it, never a quiet
// fallback: Qt's temporary path is then a folder that does not exist, and
// names built on it land in the current folder or at the top of the disk.
class TemporaryBase
{
public:
    struct Result
    {
        QString path;   // absolute and clean when usable
        QString error;  // why it is not, for people; empty when it is
        bool ok() const { return error.isEmpty(); }
    };

    static Result resolve();
};

}  // namespace sw
