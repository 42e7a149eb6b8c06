// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <sys/types.h>

Q_DECLARE_LOGGING_CATEGORY(lcPrivileged)

namespace sw {

// The process half of STPrivilegedTask: finding pkexec, starting it with the
// command as an argument vector, and learning how the authorisation went.
class PkexecChild
{
public:
    // $SWEEPWRIGHT_PKEXEC when set, else pkexec on PATH; empty when neither.
    static QString program();
    static bool isAvailable(const QString &program);

    struct Started
    {
        pid_t pid = -1;
        int outputFd = -1;  // read end of the child's standard output
        int errorFd = -1;   // the child's standard error, a file in memory (-1: inherited)
        int error = 0;      // errno of a failed start
    };
    // Starts [program, launchPath, arguments...] in workingFolder with standard
    // input inputFd (/dev/null when -1), standard output a pipe and standard
    // error a file in memory: pkexec says there why it refused, and what it
    // says is handed on with forwardErrors(). The caller's own current folder
    // is left alone.
    static Started spawn(const QString &program, const QString &launchPath, const QStringList &arguments,
                         const QString &workingFolder, int inputFd = -1);

    enum class Outcome {
        CommandStarted,  // pkexec has become the command
        CommandEnded,    // the command ran and exited; the child is not reaped yet
        Cancelled,       // the user dismissed the dialog (126); reaped
        Denied,          // refused or no authority (127); reaped
        NoAgent,         // no authentication agent could show the dialog (127); reaped
        Lost,            // the child vanished unobserved (someone else reaped it)
    };
    // Blocks, looking every 50 ms, until the outcome is known; errorFd is
    // the child's standard error (Started::errorFd).
    static Outcome awaitAuthorisation(pid_t pid, const QString &program, int errorFd = -1);
    // Writes what errorFd holds beyond *shown to our own standard error and
    // moves *shown past it.
    static void forwardErrors(int errorFd, qint64 *shown);

    // waitpid() that retries on EINTR.
    static pid_t waitRetrying(pid_t pid, int *waitStatus, int options);
    // The exit code of a wait status; a signal death counts as 128 + signal.
    static qint32 exitCode(int waitStatus);
};

}  // namespace sw
