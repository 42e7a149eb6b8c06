// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/PkexecChild.h"

#include "core/platform/LogCategory.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

Q_LOGGING_CATEGORY(lcPrivileged, "sweepwright.privileged", sw::logThreshold(QtDebugMsg))

namespace sw {

namespace {

constexpr unsigned long pollIntervalMs = 50;

// pkexec's exit codes while it is still itself.
constexpr int exitDismissed = 126;
constexpr int exitNotAuthorized = 127;
// What pkexec writes (untranslated) when polkit would ask for a password but
// no authentication agent runs to ask it: a desktop without one, a session
// started over ssh.
constexpr char kNoAgent[] = "No authentication agent found";
// More of what pkexec wrote than its one line is never needed.
constexpr qint64 kErrorPeek = 4096;

// The kernel names a process after the base name of the file it executed,
// cut to 15 bytes; that is what /proc/PID/comm shows until the next exec.
QByteArray commandName(const QString &program)
{
    return QFile::encodeName(QFileInfo(program).fileName()).left(15);
}

QByteArray currentCommandName(pid_t pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    QByteArray name = comm.readAll();
    if (name.endsWith('\n'))
        name.chop(1);
    return name;
}

void reap(pid_t pid)
{
    int status = 0;
    PkexecChild::waitRetrying(pid, &status, 0);
}

bool saysNoAgent(int errorFd)
{
    if (errorFd < 0)
        return false;
    QByteArray text(kErrorPeek, '\0');
    ssize_t n;
    do {
        n = ::pread(errorFd, text.data(), size_t(text.size()), 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 && text.left(n).contains(kNoAgent);
}

}  // namespace

QString PkexecChild::program()
{
    if (qEnvironmentVariableIsSet("SWEEPWRIGHT_PKEXEC"))
        return qEnvironmentVariable("SWEEPWRIGHT_PKEXEC");
    return QStandardPaths::findExecutable(QStringLiteral("pkexec"));
}

bool PkexecChild::isAvailable(const QString &program)
{
    const QFileInfo info(program);
    return !program.isEmpty() && info.isAbsolute() && info.isFile() && info.isExecutable();
}

PkexecChild::Started PkexecChild::spawn(const QString &program, const QString &launchPath,
                                        const QStringList &arguments, const QString &workingFolder, int inputFd)
{
    Started started;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        started.error = errno;
        return started;
    }
    // A file rather than a pipe: nobody has to drain it while the command runs.
    started.errorFd = ::memfd_create("sweepwright-pkexec-errors", MFD_CLOEXEC);
    QList<QByteArray> words{QFile::encodeName(program), QFile::encodeName(launchPath)};
    for (const QString &argument : arguments)
        words.append(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray folder = QFile::encodeName(workingFolder);

    // chdir happens in the child only: the caller's current folder is shared by
    // all its threads and must not move under them. Descriptors beyond the
    // three standard ones are not handed to a process that will run as root.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (inputFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, inputFd, STDIN_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    if (started.errorFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, started.errorFd, STDERR_FILENO);
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    const int rc = ::posix_spawn(&started.pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (rc != 0) {
        ::close(pipeFds[0]);
        if (started.errorFd >= 0)
            ::close(started.errorFd);
        started = Started{-1, -1, -1, rc};
        return started;
    }
    started.outputFd = pipeFds[0];
    return started;
}

// pkexec asks polkit, and once authorised executes the command in its own
// process. The exit is peeked at with WNOWAIT, so the pid stays ours while its
// name is read. Ambiguity we accept: a command that itself exits 126 or 127
// before its start is noticed reads as a dismissed or refused dialog.
PkexecChild::Outcome PkexecChild::awaitAuthorisation(pid_t pid, const QString &program, int errorFd)
{
    const QByteArray pkexecName = commandName(program);
    for (;;) {
        siginfo_t info{};
        if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
            if (errno == EINTR)
                continue;
            return Outcome::Lost;
        }
        if (info.si_pid == pid) {
            const bool exited = info.si_code == CLD_EXITED;
            if (exited && (info.si_status == exitDismissed || info.si_status == exitNotAuthorized)) {
                reap(pid);
                if (info.si_status == exitDismissed)
                    return Outcome::Cancelled;
                return saysNoAgent(errorFd) ? Outcome::NoAgent : Outcome::Denied;
            }
            return Outcome::CommandEnded;
        }
        const QByteArray name = currentCommandName(pid);
        if (!name.isEmpty() && name != pkexecName)
            return Outcome::CommandStarted;
        QThread::msleep(pollIntervalMs);
    }
}

void PkexecChild::forwardErrors(int errorFd, qint64 *shown)
{
    if (errorFd < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::pread(errorFd, buffer, sizeof buffer, *shown);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        *shown += n;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(STDERR_FILENO, buffer + done, size_t(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                break;  // our own standard error is gone: nothing to hand it to
            done += w;
        }
    }
}

pid_t PkexecChild::waitRetrying(pid_t pid, int *waitStatus, int options)
{
    pid_t result;
    do {
        result = ::waitpid(pid, waitStatus, options);
    } while (result < 0 && errno == EINTR);
    return result;
}

qint32 PkexecChild::exitCode(int waitStatus)
{
    if (WIFSIGNALED(waitStatus))
        return 128 + WTERMSIG(waitStatus);
    return WEXITSTATUS(waitStatus);
}

}  // namespace sw
