// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sw {

class JobControl;

// Puts a finished file at a path the user named, whole or not at all. The
// bytes go to a new hidden file in the target's folder, which is renamed
// over the target: a symbolic link there is replaced, never followed (a
// link another user planted cannot make us write over a file of ours, nor
// create the file a dangling one names), and nobody ever sees half a file.
// A move is a plain rename when both are on one file system.
class OutputPlacement
{
public:
    enum class Mode {
        Copy,  // from stays
        Move,  // from goes once the target is complete
    };

    // What went wrong, else an empty text; replace: an existing target
    // (a file or a link, never a folder) may be replaced. A cancel of job
    // stops a copy and leaves nothing behind.
    static QString place(const QString &from, const QString &to, Mode mode, bool replace, const JobControl &job);

private:
    static QString copyBeside(const QString &from, const QString &to, bool replace, const JobControl &job);
};

}  // namespace sw
