// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaType>
#include <QMutex>
#include <QByteArray>
#include <QMutexLocker>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QFile;
class QTimer;

// Posted on ORNotificationCenter::defaultCenter() by the status poll when it
// observes the exit; the object is the task (STPrivilegedTask *).
inline constexpr char STPrivilegedTaskDidTerminateNotification[] = "STPrivilegedTaskDidTerminateNotification";

// Runs one command as root through polkit's pkexec, once the user has approved
// it in the desktop's authentication dialog. It is shaped like a child-process
// object: set the launch path, the arguments and the working folder, launch(),
// then waitUntilExit() or let the status poll report the exit.
//
// The command reaches pkexec as an argument vector, never as shell text.
// pkexec is the program named by $SWEEPWRIGHT_PKEXEC when set (tests put a
// stand-in there), else the pkexec found on PATH.
//
// launch() blocks until the outcome of the authorisation is known, which may
// take as long as the user looks at the dialog: call it from a worker thread,
// never from the GUI thread. Accessors are safe from any thread.
//
// The poll timer runs on the thread that called launch() and fires only when
// that thread runs an event loop; workers call waitUntilExit() instead.
class STPrivilegedTask
{
public:
    using TerminationHandler = std::function<void(STPrivilegedTask &)>;

    // Results of launch().
    static constexpr qint32 errAuthorizationSuccess = 0;
    // Refused, or no polkit authority to ask.
    static constexpr qint32 errAuthorizationDenied = -60005;
    // The user dismissed the dialog.
    static constexpr qint32 errAuthorizationCanceled = -60006;
    // No dialog could be shown: no authentication agent runs.
    static constexpr qint32 errAuthorizationInteractionNotAllowed = -60007;
    // pkexec did not start (or the working folder is missing).
    static constexpr qint32 errAuthorizationToolExecuteFailure = -60031;
    // No pkexec.
    static constexpr qint32 errAuthorizationFunctionUnavailable = -70001;

    STPrivilegedTask();
    explicit STPrivilegedTask(const QString &launchPath);
    STPrivilegedTask(const QString &launchPath, const QStringList &arguments);
    STPrivilegedTask(const QString &launchPath, const QStringList &arguments,
                     const QString &currentDirectory);
    // A task whose command still runs waits for it here: the child cannot be
    // signalled (it runs as root), and leaving it unreaped would leave a
    // zombie. The commands run this way are short (rm).
    ~STPrivilegedTask();
    STPrivilegedTask(const STPrivilegedTask &) = delete;
    STPrivilegedTask &operator=(const STPrivilegedTask &) = delete;

    // Create, launch() and waitUntilExit(); the caller reads terminationStatus()
    // (the launch status itself is not returned).
    static std::unique_ptr<STPrivilegedTask> launchedPrivilegedTaskWithLaunchPath(const QString &launchPath);
    static std::unique_ptr<STPrivilegedTask>
    launchedPrivilegedTaskWithLaunchPath(const QString &launchPath, const QStringList &arguments);
    static std::unique_ptr<STPrivilegedTask>
    launchedPrivilegedTaskWithLaunchPath(const QString &launchPath, const QStringList &arguments,
                                         const QString &currentDirectory);

    // True when the pkexec program exists and is executable.
    static bool authorizationFunctionAvailable();

    QString launchPath() const { return locked(m_launchPath); }
    void setLaunchPath(const QString &launchPath) { assign(m_launchPath, launchPath); }
    QStringList arguments() const { return locked(m_arguments); }
    void setArguments(const QStringList &arguments) { assign(m_arguments, arguments); }
    // Defaults to the process's current folder at creation.
    QString currentDirectoryPath() const { return locked(m_currentDirectoryPath); }
    void setCurrentDirectoryPath(const QString &path) { assign(m_currentDirectoryPath, path); }
    // What the command reads on its standard input (nothing: /dev/null). It is
    // written in full before pkexec starts, so a command that answers only
    // once the authorisation is through never waits on its caller.
    QByteArray standardInput() const { return locked(m_standardInput); }
    void setStandardInput(const QByteArray &input) { assign(m_standardInput, input); }
    // The read end of the command's standard output; null until a successful
    // launch. Read it when the command writes much, or it blocks on a full pipe.
    std::shared_ptr<QFile> outputFileHandle() const { return locked(m_outputFileHandle); }
    bool isRunning() const { return locked(m_isRunning); }
    qint32 processIdentifier() const { return locked(m_processIdentifier); }
    // The exit code once the exit has been observed; a command killed by a
    // signal reports 128 + the signal number, as a shell does.
    qint32 terminationStatus() const { return locked(m_terminationStatus); }
    TerminationHandler terminationHandler() const { return locked(m_terminationHandler); }
    void setTerminationHandler(const TerminationHandler &handler) { assign(m_terminationHandler, handler); }

    // 0 when the command was started (it may already have ended), otherwise
    // one of the err* codes above. pkexec's own answers are its exit codes 126
    // and 127, so a command that itself exits with one of them before its start
    // is noticed reads as -60006 or -60005. A task that is running (or
    // launching on another thread) logs "Task already running: ..." and returns 0.
    qint32 launch();
    // Blocks until the command exits and records its status; posts nothing and
    // calls no handler. Logs and returns at once when the task is not running.
    void waitUntilExit();
    // One non-blocking look at the child; on its exit records the status,
    // stops the poll, posts STPrivilegedTaskDidTerminateNotification and calls
    // the termination handler.
    void checkTaskStatus();
    // No effect: a child running as root cannot be signalled by its caller.
    void terminate();

    // "<STPrivilegedTask: 0x...> '/bin/rm -rf /path (CWD:/folder)'"
    QString description() const;

    // Why a launch status other than errAuthorizationSuccess kept the command
    // from running, in words for the user ("No password prompt could be
    // shown: no authentication agent is running").
    static QString statusText(qint32 status);

private:
    struct PollLink;

    QString plainDescription() const;
    qint32 beginLaunch();
    void startPoll();
    void retirePoll();
    void recordExitLocked(qint32 terminationStatus);
    // Hands on what the command wrote to its standard error and lets go of it.
    void closeErrorsLocked();
    template <class T> T locked(const T &member) const
    {
        QMutexLocker lock(&m_mutex);
        return member;
    }
    template <class T> void assign(T &member, const T &value)
    {
        QMutexLocker lock(&m_mutex);
        member = value;
    }

    mutable QMutex m_mutex;
    QString m_launchPath;
    QStringList m_arguments;
    QString m_currentDirectoryPath;
    QByteArray m_standardInput;
    std::shared_ptr<QFile> m_outputFileHandle;
    // The command's standard error, handed on to ours as it is read.
    int m_errorFd = -1;
    qint64 m_errorShown = 0;
    bool m_isRunning = false;
    bool m_launching = false;
    qint32 m_processIdentifier = 0;
    qint32 m_terminationStatus = 0;
    TerminationHandler m_terminationHandler;
    QTimer *m_timer = nullptr;
    std::shared_ptr<PollLink> m_pollLink;
};

Q_DECLARE_METATYPE(STPrivilegedTask *)
