// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/winmail/sevenzip/SevenZipOutput.h"

#include <QList>
#include <QString>

#include <functional>

namespace sw {

class JobControl;

// Runs 7-Zip's program, 7zz, on one archive: to list it, or to extract it
// into a staging folder (see StagingFolder) that is checked before anything
// in it is handed over. It is what reads the archives libarchive cannot:
// encrypted 7z (also with an encrypted listing) and formats only 7-Zip knows.
//
// 7zz runs as a child process with an argument vector, never through a
// shell, in the C.UTF-8 locale. The program is found on PATH; the
// environment variable SWEEPWRIGHT_7ZZ names another (tests use it).
//
// The password never appears on 7zz's command line (where any user could
// read it in /proc/PID/cmdline): without -p, 7zz asks for it and reads one
// line from its standard input, where it is written once, followed by the
// end of input. So a password cannot hold a line break (what follows one is
// never sent), and a second prompt (7zz asks again only when the first
// answer was not taken) ends in PasswordRequired or WrongPassword rather than
// a hang. With no password, -p with an empty value keeps 7zz from asking.
//
// While 7zz extracts, the staging folder's file system is watched: when what
// is still to come would leave less than 1 GiB or 5 % of it free, whichever
// is smaller (or too few of its inodes, see FreeSpaceReserve.h), 7zz is
// killed and the run ends in NoSpace. A cancelled job
// kills it too, and so does a 7zz that neither reads nor writes anything for
// the stall limit (StallGuard): the run ends in Damaged. Either way what 7zz
// wrote stays in the staging folder.
//
// 7zz itself keeps what it writes inside the output folder (it drops ".."
// and absolute names, and links that would lead out); the staging folder's
// check does not rely on that.
class SevenZipProcess
{
public:
    using Status = sevenzip::Status;

    struct Result
    {
        Status status = Status::Ok;
        QList<sevenzip::Entry> entries;   // list() only
        QList<sevenzip::Skipped> skipped; // extract() only
        QString message;                  // what 7zz said went wrong
    };

    explicit SevenZipProcess(QString archivePath);

    void setPassword(const QString &password) { m_password = password; }
    // Cancel requests; items count the entries listed, bytes what 7zz reports done.
    void setJob(JobControl *job) { m_job = job; }
    // Called with 0..100 as 7zz reports progress (on the calling thread).
    void setProgressHandler(std::function<void(int percent)> handler) { m_progress = std::move(handler); }

    Result list();
    // expectedSize: the sum of the listed sizes, 0 when unknown;
    // expectedItems: the number of entries listed (each takes an inode).
    Result extract(const QString &stagingFolder, qint64 expectedSize, qint64 expectedItems = 0);

    // The 7zz to run; empty when there is none.
    static QString program();

private:
    Result run(const QStringList &arguments, const QString &watchedFolder, qint64 expectedSize);
    QStringList passwordArguments() const;

    QString m_archivePath;
    QString m_password;
    JobControl *m_job = nullptr;
    qint64 m_expectedItems = 0;
    std::function<void(int)> m_progress;
};

} // namespace sw
