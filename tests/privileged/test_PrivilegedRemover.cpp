// SPDX-License-Identifier: GPL-3.0-or-later
// The privileged helper's checks: a request is carried out only below a
// folder of its table, only while what it names is what is on the disk, and
// never through a link, into another mount, or into a protected folder.

#include "support/LayoutTree.h"
#include "support/TreeSnapshot.h"

#include "core/fs/AnchoredRoot.h"
#include "core/platform/PrivilegedRoots.h"
#include "privileged/PrivilegedRemover.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using sw::PrivilegedAnswer;
using sw::PrivilegedRequest;
using swtest::LayoutTree;
using swtest::TreeSnapshot;
using Refusal = PrivilegedAnswer::Refusal;

class PrivilegedRemoverTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        tree.file(QStringLiteral("root/var/cache/app/a.log"), 100);
        tree.file(QStringLiteral("root/var/cache/app/deep/b.bin"), 20);
        tree.file(QStringLiteral("root/var/cache/debconf/config.dat"), 7);
        tree.file(QStringLiteral("root/var/log/old/syslog.1"), 300);
        tree.file(QStringLiteral("root/etc/a.log"), 5);
        tree.file(QStringLiteral("root/elsewhere/a.log"), 100);
        tree.file(QStringLiteral("root/home/me/.cache/tool/index"), 40);
    }

    QString at(const QString &rel) const { return tree.at(rel); }

    // What the user side would send for rel below the table folder tableRoot.
    PrivilegedRequest requestFor(const QString &tableRoot, const QString &rel,
                                 PrivilegedRequest::Mode mode = PrivilegedRequest::Mode::Whole) const
    {
        const std::optional<sw::AnchoredRoot> anchored = sw::AnchoredRoot::open(tableRoot);
        struct stat st {};
        ::lstat(QFile::encodeName(tableRoot + QLatin1Char('/') + rel).constData(), &st);
        return {tableRoot, anchored->identity().dev, anchored->identity().ino, QFile::encodeName(rel),
                st.st_dev, st.st_ino, mode};
    }

    sw::PrivilegedRemover remover() const
    {
        return sw::PrivilegedRemover(sw::PrivilegedRoots::table(false, root, home), home);
    }

    LayoutTree tree;
    const QString &root = tree.root;
    const QString &home = tree.home;
};

TEST_F(PrivilegedRemoverTest, RemovesWhatWasAskedAndCountsWhatWent)
{
    const TreeSnapshot before = TreeSnapshot::of(root);
    sw::PrivilegedRemover helper = remover();
    const PrivilegedAnswer whole = helper.handle(0, requestFor(at("var/cache"), "app").toLine());
    const PrivilegedAnswer emptied =
        helper.handle(1, requestFor(at("var/log"), "old", PrivilegedRequest::Mode::Contents).toLine());
    const PrivilegedAnswer inHome = helper.handle(2, requestFor(home, ".cache/tool").toLine());

    for (const PrivilegedAnswer &answer : {whole, emptied, inHome}) {
        EXPECT_EQ(answer.refusal, Refusal::None);
        EXPECT_TRUE(answer.failures.isEmpty());
    }
    const TreeSnapshot after = TreeSnapshot::of(root);
    const QStringList gone = before.vanished(after);
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/old")));  // emptied, kept
    for (const QString &path : gone)
        EXPECT_TRUE(TreeSnapshot::isUnder(path, {at("var/cache/app"), at("var/log/old"), home + "/.cache/tool"}))
            << path.toStdString();
    EXPECT_EQ(whole.removed + emptied.removed + inHome.removed,
              before.bytesGone(after, {at("var/cache/app"), home + "/.cache/tool"}));
    EXPECT_EQ(emptied.removed, 300);
}

struct RefusalRow
{
    const char *name;
    Refusal refusal;
    // Makes the request (and changes the tree after it was made, as another
    // process could while the password is asked for).
    std::function<QByteArray(PrivilegedRemoverTest &)> prepare;
};

class PrivilegedRemoverRefusal : public PrivilegedRemoverTest, public ::testing::WithParamInterface<RefusalRow>
{
};

TEST_P(PrivilegedRemoverRefusal, TouchesNothing)
{
    const QByteArray line = GetParam().prepare(*this);
    const TreeSnapshot before = TreeSnapshot::of(root);
    const PrivilegedAnswer answer = remover().handle(0, line);
    const TreeSnapshot after = TreeSnapshot::of(root);
    EXPECT_EQ(answer.refusal, GetParam().refusal);
    EXPECT_EQ(answer.removed, 0);
    EXPECT_EQ(before.vanished(after), QStringList());
    EXPECT_EQ(before.changed(after), QStringList());
}

QByteArray swapped(PrivilegedRemoverTest &t, const QString &rel, const QString &target)
{
    const QByteArray line = t.requestFor(t.at("var/cache"), rel).toLine();
    QFile::rename(t.at("var/cache/app"), t.at("var/cache/app.moved"));
    t.tree.link(QStringLiteral("root/var/cache/app"), target);
    return line;
}

const RefusalRow kRefusals[] = {
    {"RootOutsideTheTable", Refusal::OutsideTable,
     [](PrivilegedRemoverTest &t) { return t.requestFor(t.at("etc"), "a.log").toLine(); }},
    {"RootNotWrittenAsTheTableWritesIt", Refusal::OutsideTable,
     [](PrivilegedRemoverTest &t) {
         PrivilegedRequest request = t.requestFor(t.at("var/cache"), "app/a.log");
         request.root = t.at("var/cache/");
         return request.toLine();
     }},
    {"RootReplacedSinceItWasSeen", Refusal::RootChanged,
     [](PrivilegedRemoverTest &t) {
         PrivilegedRequest request = t.requestFor(t.at("var/cache"), "app/a.log");
         request.rootIno += 1;
         return request.toLine();
     }},
    {"PathSteppingOut", Refusal::Malformed,
     [](PrivilegedRemoverTest &t) {
         PrivilegedRequest request = t.requestFor(t.at("var/cache"), "app/a.log");
         request.relative = "../../etc/a.log";
         return request.toLine();
     }},
    {"TheTableFolderItself", Refusal::Malformed,
     [](PrivilegedRemoverTest &t) { return t.requestFor(t.at("var/cache"), "").toLine(); }},
    {"NoRequestAtAll", Refusal::Malformed, [](PrivilegedRemoverTest &) { return QByteArray("{\"root\":1}"); }},
    {"InsideAProtectedFolder", Refusal::Protected,
     [](PrivilegedRemoverTest &t) { return t.requestFor(t.at("var/cache"), "debconf/config.dat").toLine(); }},
    {"EntryReplacedSinceItWasSeen", Refusal::Changed,
     [](PrivilegedRemoverTest &t) {
         // Made before the old one goes, so it cannot get its inode number.
         const QByteArray line = t.requestFor(t.at("var/cache"), "app/a.log").toLine();
         t.tree.file(QStringLiteral("root/var/cache/app/new"), 100);
         ::rename(QFile::encodeName(t.at("var/cache/app/new")).constData(),
                  QFile::encodeName(t.at("var/cache/app/a.log")).constData());
         return line;
     }},
    {"ParentSwappedForALinkToAnotherFolder", Refusal::Unreachable,
     [](PrivilegedRemoverTest &t) { return swapped(t, QStringLiteral("app/a.log"), t.at("elsewhere")); }},
    {"FolderSwappedForALinkToAProtectedOne", Refusal::Changed,
     [](PrivilegedRemoverTest &t) { return swapped(t, QStringLiteral("app"), t.at("etc")); }},
};

INSTANTIATE_TEST_SUITE_P(Requests, PrivilegedRemoverRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(PrivilegedRemoverTest, NeverTheHomeNorAFolderHoldingIt)
{
    // A home that lies in a table folder: neither it nor its parent may go.
    const QString innerHome = tree.folder(QStringLiteral("root/var/cache/users/me"));
    tree.file(QStringLiteral("root/var/cache/users/me/notes.txt"), 9);
    sw::PrivilegedRemover helper(sw::PrivilegedRoots::table(false, root, innerHome), innerHome);
    const TreeSnapshot before = TreeSnapshot::of(root);
    EXPECT_EQ(helper.handle(0, requestFor(at("var/cache"), "users").toLine()).refusal, Refusal::Protected);
    EXPECT_EQ(helper.handle(1, requestFor(at("var/cache"), "users/me").toLine()).refusal, Refusal::Protected);
    EXPECT_EQ(before.vanished(TreeSnapshot::of(root)), QStringList());
}

// --- the program --------------------------------------------------------------

struct ProgramRun
{
    int code = -1;
    QList<PrivilegedAnswer> answers;
    QString err;
};

ProgramRun runHelper(const QStringList &wrapper, const QStringList &args, const QByteArray &input,
                     const QStringList &env = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &pair : env)
        environment.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    const QStringList command = wrapper + QStringList{QStringLiteral(SWEEPWRIGHT_PRIVILEGED)} + args;
    process.start(command.first(), command.mid(1));
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    ProgramRun run{process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, {},
                   QString::fromLocal8Bit(process.readAllStandardError())};
    for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
        if (const auto answer = PrivilegedAnswer::fromLine(line))
            run.answers.append(*answer);
    return run;
}

TEST_F(PrivilegedRemoverTest, ProgramNeverCrossesIntoAnotherMount)
{
    tree.folder(QStringLiteral("root/var/cache/app/mnt"));
    const QString victim = tree.folder(QStringLiteral("victim"));
    tree.file(QStringLiteral("victim/passwd"), 11);
    const QByteArray input = requestFor(at("var/cache"), "app/a.log").toLine();
    // Inside the namespace the mount shows victim's entries below app/mnt;
    // requests name them as the user side would see them there.
    struct stat st {};
    ::lstat(QFile::encodeName(victim + "/passwd").constData(), &st);
    PrivilegedRequest intoMount = requestFor(at("var/cache"), "app/a.log");
    intoMount.relative = "app/mnt/passwd";
    intoMount.dev = st.st_dev;
    intoMount.ino = st.st_ino;
    const QByteArray requests = input + intoMount.toLine() + requestFor(at("var/cache"), "app").toLine();
    const TreeSnapshot before = TreeSnapshot::of(victim);
    const QString script = QStringLiteral("mount --bind \"$1\" \"$2\" || exit 77; shift 2; exec \"$@\"");
    const ProgramRun run = runHelper(
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), victim, at("var/cache/app/mnt")},
        {QStringLiteral("--root"), root, QStringLiteral("--home"), home}, requests);
    if (run.code == 77 || run.answers.isEmpty())
        GTEST_SKIP() << "mounting is not permitted here: " << run.err.toStdString();
    ASSERT_EQ(run.answers.size(), 3);
    EXPECT_EQ(run.answers.at(0).refusal, Refusal::None);
    EXPECT_EQ(run.answers.at(0).removed, 100);
    EXPECT_EQ(run.answers.at(1).refusal, Refusal::Unreachable);
    // The folder goes but for the mount point, which stays and is reported.
    EXPECT_EQ(run.answers.at(2).refusal, Refusal::None);
    ASSERT_EQ(run.answers.at(2).failures.size(), 1);
    EXPECT_EQ(run.answers.at(2).failures.constFirst().relative, QByteArray("mnt"));
    EXPECT_EQ(before.vanished(TreeSnapshot::of(victim)), QStringList());
    EXPECT_FALSE(tree.exists(QStringLiteral("root/var/cache/app/deep")));
}

TEST_F(PrivilegedRemoverTest, ProgramStartedByPkexecIgnoresTheFoldersItIsGiven)
{
    // As root for a caller, the table is the system's, whatever --root says.
    const ProgramRun run = runHelper({}, {QStringLiteral("--root"), root, QStringLiteral("--home"), home},
                                     requestFor(at("var/cache"), "app").toLine(),
                                     {QStringLiteral("PKEXEC_UID=%1").arg(::getuid())});
    ASSERT_EQ(run.answers.size(), 1) << run.err.toStdString();
    EXPECT_EQ(run.answers.constFirst().refusal, Refusal::OutsideTable);
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/app/a.log")));
}

}  // namespace
