// SPDX-License-Identifier: GPL-3.0-or-later
// The privileged command runner over pkexec: authorisation outcomes, the
// command's exit status and output, and the state the task is left in.

#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/STPrivilegedTask.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <chrono>
#include <future>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using swtest::EnvOverride;
using swtest::FixtureTree;
using swtest::LogCapture;
using swtest::PkexecStandIn;

const QString shell = QStringLiteral("/bin/sh");

// True when this process has no child left, running or unreaped.
bool noChildLeft()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno == ECHILD;
}

// --- authorisation not given ---------------------------------------------------

struct RefusalRow
{
    const char *name;
    const char *mode;
    qint32 status;
};

class STPrivilegedTaskRefusal : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(STPrivilegedTaskRefusal, RunsNothingAndLeavesTheTaskIdle)
{
    PkexecStandIn pkexec;
    pkexec.setMode(GetParam().mode);
    FixtureTree tree;
    STPrivilegedTask task(QStringLiteral("/usr/bin/touch"), {tree.path(QStringLiteral("marker"))});

    EXPECT_EQ(task.launch(), GetParam().status);
    EXPECT_EQ(pkexec.starts().size(), 1);
    EXPECT_FALSE(tree.exists(QStringLiteral("marker")));
    EXPECT_FALSE(task.isRunning());
    EXPECT_EQ(task.outputFileHandle(), nullptr);
    EXPECT_TRUE(noChildLeft());

    LogCapture log;
    task.waitUntilExit();
    EXPECT_EQ(log.count(QStringLiteral("is not running")), 1);
}

INSTANTIATE_TEST_SUITE_P(Answers, STPrivilegedTaskRefusal,
                         ::testing::Values(RefusalRow{"dialog_dismissed", "cancel", -60006},
                                           RefusalRow{"not_authorised", "deny", -60005},
                                           RefusalRow{"no_authentication_agent", "noagent", -60007}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- the command runs ----------------------------------------------------------

TEST(STPrivilegedTaskRun, ExitStatusAndOutputReachTheCallerForEveryRunOfOneTask)
{
    PkexecStandIn pkexec;
    STPrivilegedTask task(shell, {QStringLiteral("-c"), QStringLiteral("echo first; exit 3")});
    ASSERT_EQ(task.launch(), 0);
    EXPECT_TRUE(task.isRunning());
    const qint32 pid = task.processIdentifier();
    EXPECT_GT(pid, 0);
    const std::shared_ptr<QFile> output = task.outputFileHandle();
    ASSERT_NE(output, nullptr);
    task.waitUntilExit();
    EXPECT_FALSE(task.isRunning());
    EXPECT_EQ(task.terminationStatus(), 3);
    EXPECT_EQ(output->readAll(), QByteArray("first\n"));
    EXPECT_TRUE(noChildLeft());

    task.setArguments({QStringLiteral("-c"), QStringLiteral("echo second; exit 4")});
    ASSERT_EQ(task.launch(), 0);
    task.waitUntilExit();
    EXPECT_EQ(task.terminationStatus(), 4);
    EXPECT_EQ(task.outputFileHandle()->readAll(), QByteArray("second\n"));

    task.setArguments({QStringLiteral("-c"), QStringLiteral("kill -KILL $$")});
    ASSERT_EQ(task.launch(), 0);
    task.waitUntilExit();
    EXPECT_EQ(task.terminationStatus(), 128 + SIGKILL);
    EXPECT_EQ(pkexec.starts().size(), 3);
    EXPECT_TRUE(noChildLeft());
}

TEST(STPrivilegedTaskRun, SecondLaunchWhileRunningStartsNothing)
{
    PkexecStandIn pkexec;
    STPrivilegedTask task(QStringLiteral("/bin/sleep"), {QStringLiteral("0.5")});
    ASSERT_EQ(task.launch(), 0);
    const qint32 pid = task.processIdentifier();

    LogCapture log;
    EXPECT_EQ(task.launch(), 0);
    EXPECT_EQ(log.count(QStringLiteral("Task already running: ") + task.description()), 1);
    EXPECT_EQ(pkexec.starts().size(), 1);
    EXPECT_EQ(task.processIdentifier(), pid);
    EXPECT_TRUE(task.isRunning());

    task.waitUntilExit();
    EXPECT_EQ(task.terminationStatus(), 0);
    EXPECT_TRUE(noChildLeft());
}

TEST(STPrivilegedTaskRun, CommandRunsInItsFolderWhileTheCallerStaysPut)
{
    PkexecStandIn pkexec;
    FixtureTree tree;
    const QString folder = tree.folder(QStringLiteral("work"));
    const QString before = QDir::currentPath();
    STPrivilegedTask task(QStringLiteral("/bin/pwd"), {}, folder);
    ASSERT_EQ(task.launch(), 0);
    EXPECT_EQ(QDir::currentPath(), before);
    task.waitUntilExit();
    EXPECT_EQ(QString::fromLocal8Bit(task.outputFileHandle()->readAll()).trimmed(),
              QFileInfo(folder).canonicalFilePath());

    // A folder that is gone must not let the command run somewhere else.
    task.setCurrentDirectoryPath(tree.path(QStringLiteral("gone")));
    LogCapture log;
    EXPECT_EQ(task.launch(), STPrivilegedTask::errAuthorizationToolExecuteFailure);
    EXPECT_FALSE(task.isRunning());
    EXPECT_EQ(task.outputFileHandle(), nullptr);
    EXPECT_EQ(pkexec.starts().size(), 1);
}

// A command fed more than a pipe holds before it starts: the input must be
// there in full, or the caller would wait on the dialog and the command on it.
TEST(STPrivilegedTaskRun, CommandReadsItsWholeInputGivenBeforeTheLaunch)
{
    PkexecStandIn pkexec;
    const QByteArray input = QByteArray(300 * 1024, 'r') + "\nlast line\n";
    STPrivilegedTask task(QStringLiteral("/usr/bin/wc"), {QStringLiteral("-c")}, QStringLiteral("/"));
    task.setStandardInput(input);
    ASSERT_EQ(task.launch(), 0);
    const QByteArray counted = task.outputFileHandle()->readAll().trimmed();
    task.waitUntilExit();
    EXPECT_EQ(counted.toLongLong(), input.size());
    EXPECT_EQ(task.terminationStatus(), 0);
}

// --- where pkexec comes from ---------------------------------------------------

TEST(STPrivilegedTaskAvailability, UsesTheNamedProgramElsePkexecOnPath)
{
    PkexecStandIn onPath(QStringLiteral("pkexec"));
    FixtureTree emptyFolder;
    STPrivilegedTask task(QStringLiteral("/bin/true"));
    {
        EnvOverride missing("SWEEPWRIGHT_PKEXEC",
                            QFile::encodeName(emptyFolder.path(QStringLiteral("pkexec"))));
        EXPECT_FALSE(STPrivilegedTask::authorizationFunctionAvailable());
        LogCapture log;
        EXPECT_EQ(task.launch(), -70001);
        EXPECT_EQ(log.count(QStringLiteral(
                      "AuthorizationExecuteWithPrivileges() function not available on this system")),
                  1);
    }
    EnvOverride unnamed("SWEEPWRIGHT_PKEXEC", QByteArray());
    {
        EnvOverride path("PATH", QFile::encodeName(emptyFolder.root()));
        EXPECT_FALSE(STPrivilegedTask::authorizationFunctionAvailable());
        EXPECT_EQ(task.launch(), -70001);
        EXPECT_FALSE(task.isRunning());
    }
    EnvOverride path("PATH", QFile::encodeName(onPath.folder()));
    EXPECT_TRUE(STPrivilegedTask::authorizationFunctionAvailable());
    EXPECT_EQ(task.launch(), 0);
    task.waitUntilExit();
    EXPECT_EQ(onPath.starts(), QStringList{QStringLiteral("/bin/true")});
}

// --- the status poll -----------------------------------------------------------

TEST(STPrivilegedTaskPoll, ReportsTheExitOnceByNotificationAndHandler)
{
    swtest::ensureCoreApplication();
    PkexecStandIn pkexec;
    STPrivilegedTask task(shell, {QStringLiteral("-c"), QStringLiteral("exit 5")});
    QObject observer;
    QList<STPrivilegedTask *> posted;
    ORNotificationCenter::defaultCenter().addObserver(
        &observer, QString::fromLatin1(STPrivilegedTaskDidTerminateNotification),
        [&](const QVariant &object) { posted.append(object.value<STPrivilegedTask *>()); });
    QEventLoop loop;
    QList<qint32> handled;
    task.setTerminationHandler([&](STPrivilegedTask &finished) {
        handled.append(finished.isRunning() ? -1 : finished.terminationStatus());
        loop.quit();
    });

    ASSERT_EQ(task.launch(), 0);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    QTimer::singleShot(300, &loop, &QEventLoop::quit);  // further ticks must stay silent
    loop.exec();
    EXPECT_EQ(handled, QList<qint32>{5});
    EXPECT_EQ(posted, QList<STPrivilegedTask *>{&task});
    EXPECT_TRUE(noChildLeft());
}

// --- description ---------------------------------------------------------------

TEST(STPrivilegedTaskDescription, ListsCommandArgumentsAndFolder)
{
    const STPrivilegedTask task(QStringLiteral("/bin/rm"),
                                {QStringLiteral("-rf"), QStringLiteral("/home/u/old cache")},
                                QStringLiteral("/home/u"));
    const QString text = task.description();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<STPrivilegedTask: 0x"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("> '/bin/rm -rf /home/u/old cache (CWD:/home/u)'")))
        << text.toStdString();
}

// --- the real pkexec -----------------------------------------------------------

TEST(STPrivilegedTaskRealPkexec, AnswersWithADefinedStatusAndAConsistentTask)
{
    const QString pkexec = QStringLiteral("/usr/bin/pkexec");
    if (!QFileInfo(pkexec).isExecutable())
        GTEST_SKIP() << "no /usr/bin/pkexec";
    if (::getuid() != 0)
        GTEST_SKIP() << "for an ordinary user pkexec may open a password dialog and wait for an answer";
    EnvOverride program("SWEEPWRIGHT_PKEXEC", QFile::encodeName(pkexec));
    auto task = std::make_shared<STPrivilegedTask>(QStringLiteral("/bin/true"));

    // Root is authorised without a dialog, or pkexec finds no authority and
    // gives up; either way it answers at once. The thread is detached so that
    // a hang fails the test instead of stalling the run.
    auto answer = std::make_shared<std::promise<qint32>>();
    std::future<qint32> status = answer->get_future();
    std::thread([task, answer] { answer->set_value(task->launch()); }).detach();
    ASSERT_EQ(status.wait_for(std::chrono::seconds(30)), std::future_status::ready)
        << "pkexec did not answer";

    const qint32 code = status.get();
    EXPECT_TRUE(code == 0 || code == -60005 || code == -60006) << code;
    if (code == 0) {
        task->waitUntilExit();
        EXPECT_EQ(task->terminationStatus(), 0);
    } else {
        EXPECT_EQ(task->outputFileHandle(), nullptr);
    }
    EXPECT_FALSE(task->isRunning());
    EXPECT_TRUE(noChildLeft());
}

}  // namespace
