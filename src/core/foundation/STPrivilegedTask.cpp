// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/STPrivilegedTask.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/PkexecChild.h"
#include "core/fs/UniqueFd.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

using sw::PkexecChild;

// The poll timer's only way to its task. The timer lives on the launching
// thread; any thread retires it by clearing `task`, after which it stops at its
// next tick and is deleted on its own thread. A tick holds `mutex`, so the task
// cannot be retired (or destroyed) halfway through one.
struct STPrivilegedTask::PollLink
{
    QRecursiveMutex mutex;
    STPrivilegedTask *task = nullptr;
    bool ticking = false;
};

namespace {
constexpr int pollIntervalMs = 50;
// Exit code recorded when the child was reaped behind our back (SIGCHLD ignored).
constexpr qint32 unknownExitStatus = -1;

qint32 launchStatus(PkexecChild::Outcome outcome)
{
    switch (outcome) {
    case PkexecChild::Outcome::Cancelled:
        return STPrivilegedTask::errAuthorizationCanceled;
    case PkexecChild::Outcome::Denied:
        return STPrivilegedTask::errAuthorizationDenied;
    case PkexecChild::Outcome::NoAgent:
        return STPrivilegedTask::errAuthorizationInteractionNotAllowed;
    case PkexecChild::Outcome::Lost:
        return STPrivilegedTask::errAuthorizationToolExecuteFailure;
    case PkexecChild::Outcome::CommandStarted:
    case PkexecChild::Outcome::CommandEnded:
        break;
    }
    return STPrivilegedTask::errAuthorizationSuccess;
}

// The command's standard input as a file of its own, read from its start:
// unlike a pipe it never fills up while pkexec waits for the user.
sw::UniqueFd inputFile(const QByteArray &input)
{
    if (input.isEmpty())
        return sw::UniqueFd();
    sw::UniqueFd fd(::memfd_create("sweepwright-input", MFD_CLOEXEC));
    for (qsizetype done = 0; fd && done < input.size();) {
        const ssize_t n = ::write(fd.get(), input.constData() + done, size_t(input.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return sw::UniqueFd();
        done += n;
    }
    if (fd && ::lseek(fd.get(), 0, SEEK_SET) != 0)
        return sw::UniqueFd();
    return fd;
}

std::unique_ptr<STPrivilegedTask> launchedAndAwaited(std::unique_ptr<STPrivilegedTask> task)
{
    task->launch();
    task->waitUntilExit();
    return task;
}
}  // namespace

STPrivilegedTask::STPrivilegedTask() : m_currentDirectoryPath(QDir::currentPath()) {}

STPrivilegedTask::STPrivilegedTask(const QString &launchPath) : STPrivilegedTask()
{
    m_launchPath = launchPath;
}

STPrivilegedTask::STPrivilegedTask(const QString &launchPath, const QStringList &arguments)
    : STPrivilegedTask(launchPath)
{
    m_arguments = arguments;
}

STPrivilegedTask::STPrivilegedTask(const QString &launchPath, const QStringList &arguments,
                                   const QString &currentDirectory)
    : STPrivilegedTask(launchPath, arguments)
{
    m_currentDirectoryPath = currentDirectory;
}

STPrivilegedTask::~STPrivilegedTask()
{
    retirePoll();
    if (isRunning()) {
        int status = 0;
        PkexecChild::waitRetrying(processIdentifier(), &status, 0);
    }
    QMutexLocker lock(&m_mutex);
    closeErrorsLocked();
}

std::unique_ptr<STPrivilegedTask>
STPrivilegedTask::launchedPrivilegedTaskWithLaunchPath(const QString &launchPath)
{
    return launchedAndAwaited(std::make_unique<STPrivilegedTask>(launchPath));
}

std::unique_ptr<STPrivilegedTask>
STPrivilegedTask::launchedPrivilegedTaskWithLaunchPath(const QString &launchPath,
                                                       const QStringList &arguments)
{
    return launchedAndAwaited(std::make_unique<STPrivilegedTask>(launchPath, arguments));
}

std::unique_ptr<STPrivilegedTask> STPrivilegedTask::launchedPrivilegedTaskWithLaunchPath(
    const QString &launchPath, const QStringList &arguments, const QString &currentDirectory)
{
    return launchedAndAwaited(std::make_unique<STPrivilegedTask>(launchPath, arguments, currentDirectory));
}

bool STPrivilegedTask::authorizationFunctionAvailable()
{
    return PkexecChild::isAvailable(PkexecChild::program());
}

// --- running ----------------------------------------------------------------

qint32 STPrivilegedTask::launch()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_isRunning && !m_launching) {
            m_launching = true;
            m_outputFileHandle.reset();
        } else {
            lock.unlock();
            qCWarning(lcPrivileged).noquote() << "Task already running:" << description();
            return errAuthorizationSuccess;
        }
    }
    const qint32 status = beginLaunch();
    QMutexLocker lock(&m_mutex);
    m_launching = false;
    return status;
}

qint32 STPrivilegedTask::beginLaunch()
{
    const QString program = PkexecChild::program();
    if (!PkexecChild::isAvailable(program)) {
        qCWarning(lcPrivileged)
            << "AuthorizationExecuteWithPrivileges() function not available on this system";
        return errAuthorizationFunctionUnavailable;
    }
    const sw::UniqueFd input = inputFile(standardInput());
    if (!input && !standardInput().isEmpty()) {
        qCWarning(lcPrivileged).noquote() << "Cannot hand the input to" << description() << ":" << std::strerror(errno);
        return errAuthorizationToolExecuteFailure;
    }
    const PkexecChild::Started child =
        PkexecChild::spawn(program, launchPath(), arguments(), currentDirectoryPath(), input ? input.get() : -1);
    if (child.error != 0) {
        qCWarning(lcPrivileged).noquote()
            << "Cannot start" << program << "for" << description() << ":" << std::strerror(child.error);
        return errAuthorizationToolExecuteFailure;
    }
    const PkexecChild::Outcome outcome = PkexecChild::awaitAuthorisation(child.pid, program, child.errorFd);
    qint64 errorShown = 0;
    PkexecChild::forwardErrors(child.errorFd, &errorShown);
    if (const qint32 status = launchStatus(outcome); status != errAuthorizationSuccess) {
        ::close(child.outputFd);
        if (child.errorFd >= 0)
            ::close(child.errorFd);
        if (outcome == PkexecChild::Outcome::Lost)
            qCWarning(lcPrivileged).noquote() << "Lost track of" << program << "for" << description();
        return status;
    }
    auto output = std::make_shared<QFile>();
    output->open(child.outputFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    {
        QMutexLocker lock(&m_mutex);
        m_isRunning = true;
        m_processIdentifier = child.pid;
        m_terminationStatus = 0;
        m_outputFileHandle = std::move(output);
        m_errorFd = child.errorFd;
        m_errorShown = errorShown;
    }
    startPoll();
    return errAuthorizationSuccess;
}

void STPrivilegedTask::waitUntilExit()
{
    pid_t pid = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_isRunning) {
            lock.unlock();
            qCWarning(lcPrivileged).noquote() << "Task" << plainDescription() << "is not running";
            return;
        }
        pid = m_processIdentifier;
    }
    retirePoll();
    // Wait without reaping: only the reap below, under the lock, may end the
    // pid's life, so a checkTaskStatus() on another thread cannot race it.
    siginfo_t info{};
    while (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT) != 0 && errno == EINTR) {
    }
    QMutexLocker lock(&m_mutex);
    if (!m_isRunning || m_processIdentifier != pid)
        return;
    int status = 0;
    const pid_t reaped = PkexecChild::waitRetrying(pid, &status, WNOHANG);
    if (reaped != 0)
        recordExitLocked(reaped == pid ? PkexecChild::exitCode(status) : unknownExitStatus);
}

void STPrivilegedTask::checkTaskStatus()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_isRunning)
            return;
        int status = 0;
        const pid_t reaped = PkexecChild::waitRetrying(m_processIdentifier, &status, WNOHANG);
        if (reaped == 0)
            return;
        recordExitLocked(reaped == m_processIdentifier ? PkexecChild::exitCode(status) : unknownExitStatus);
    }
    retirePoll();
    ORNotificationCenter::defaultCenter().postNotification(
        QString::fromLatin1(STPrivilegedTaskDidTerminateNotification), QVariant::fromValue(this));
    if (const TerminationHandler handler = terminationHandler())
        handler(*this);
}

void STPrivilegedTask::terminate() {}

void STPrivilegedTask::recordExitLocked(qint32 terminationStatus)
{
    m_isRunning = false;
    m_terminationStatus = terminationStatus;
    closeErrorsLocked();
}

void STPrivilegedTask::closeErrorsLocked()
{
    if (m_errorFd < 0)
        return;
    PkexecChild::forwardErrors(m_errorFd, &m_errorShown);
    ::close(m_errorFd);
    m_errorFd = -1;
}

QString STPrivilegedTask::statusText(qint32 status)
{
    switch (status) {
    case errAuthorizationSuccess: return QString();
    case errAuthorizationCanceled:
        return QCoreApplication::translate("STPrivilegedTask", "administrator authorisation was cancelled");
    case errAuthorizationInteractionNotAllowed:
        return QCoreApplication::translate("STPrivilegedTask",
                                           "No password prompt could be shown: no authentication agent is running");
    case errAuthorizationFunctionUnavailable:
        return QCoreApplication::translate("STPrivilegedTask",
                                           "No password prompt could be shown: pkexec is not installed");
    case errAuthorizationToolExecuteFailure:
        return QCoreApplication::translate("STPrivilegedTask", "the password prompt could not be started");
    default: break;
    }
    return QCoreApplication::translate("STPrivilegedTask", "administrator rights were not granted");
}

// --- the poll timer ---------------------------------------------------------

void STPrivilegedTask::startPoll()
{
    // A thread without an event dispatcher could never fire the timer (and Qt
    // would warn about it); such callers use waitUntilExit().
    if (!QAbstractEventDispatcher::instance())
        return;
    auto link = std::make_shared<PollLink>();
    link->task = this;
    auto *timer = new QTimer;
    timer->setInterval(pollIntervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, [link, timer] {
        QMutexLocker tick(&link->mutex);
        if (!link->task) {
            timer->stop();
            return;
        }
        link->ticking = true;
        link->task->checkTaskStatus();  // may retire the poll, or even destroy the task
        link->ticking = false;
    });
    {
        QMutexLocker lock(&m_mutex);
        m_timer = timer;
        m_pollLink = link;
    }
    timer->start();
}

void STPrivilegedTask::retirePoll()
{
    QTimer *timer = nullptr;
    std::shared_ptr<PollLink> link;
    {
        QMutexLocker lock(&m_mutex);
        timer = std::exchange(m_timer, nullptr);
        link = std::move(m_pollLink);
    }
    if (!timer)
        return;
    QMutexLocker tick(&link->mutex);
    link->task = nullptr;
    const bool ownThread = timer->thread() == QThread::currentThread();
    if (ownThread && !link->ticking) {
        delete timer;
        return;
    }
    // Inside its own tick, or on another thread: it must go on its own thread,
    // outside its signal.
    if (ownThread)
        timer->stop();
    timer->deleteLater();
}

// --- description ------------------------------------------------------------

QString STPrivilegedTask::plainDescription() const
{
    return QStringLiteral("<STPrivilegedTask: 0x%1>").arg(quintptr(this), 0, 16);
}

QString STPrivilegedTask::description() const
{
    QMutexLocker lock(&m_mutex);
    QString command = m_launchPath;
    for (const QString &argument : m_arguments)
        command += QLatin1Char(' ') + argument;
    command += QStringLiteral(" (CWD:") + m_currentDirectoryPath + QLatin1Char(')');
    return plainDescription() + QStringLiteral(" '") + command + QLatin1Char('\'');
}
