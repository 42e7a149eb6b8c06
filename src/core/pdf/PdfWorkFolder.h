// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/fs/UniqueFd.h"

#include <QString>

#include <memory>

namespace sw {

// The compressor's folder in the temporary directory ($TMPDIR/Sweepwright,
// a folder of the user's that only they may enter), where the copies stay,
// and in it a hidden folder for one compression: Ghostscript's outputs, the
// password's argument file and gs's own temporary files go there and go
// with it, whichever way the compression ends.
//
// A compression that was killed leaves its hidden folder behind. Every
// compression holds a shared lock on the folder while it runs; one that
// finds nobody else holding it first removes the hidden folders and files
// of earlier runs (and the gs_* files gs leaves when it is killed), which
// can then belong to no running compression.
class PdfWorkFolder
{
public:
    struct Opened
    {
        std::unique_ptr<PdfWorkFolder> folder;  // null when it cannot be used
        QString error;                          // why, for people
    };

    // $TMPDIR/Sweepwright, or why it cannot be had (TMPDIR unusable).
    static QString path(QString *error);
    // Makes or checks the folder, takes the lock, clears what killed runs
    // left and makes this compression's hidden folder.
    static Opened open();
    ~PdfWorkFolder();
    PdfWorkFolder(const PdfWorkFolder &) = delete;
    PdfWorkFolder &operator=(const PdfWorkFolder &) = delete;

    QString folderPath() const { return m_path; }
    // This compression's hidden folder, removed with this object.
    QString runPath() const { return m_runPath; }

    // Whether name is what a compression leaves behind when it is killed.
    static bool isLeftover(const QString &name);

private:
    PdfWorkFolder(QString path, UniqueFd lock);
    void removeLeftovers() const;
    void remove(const QString &path) const;

    QString m_path;
    QString m_runPath;
    UniqueFd m_lock;  // the folder itself, flock()ed
};

}  // namespace sw
