// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli shred, run as a program on fixture trees: what goes and
// what is refused, files that cannot go (as another user, through setpriv)
// never overwritten, and bind mounts (in a private mount namespace, through
// unshare) that do not hide the home or a protected folder.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

using swtest::CliRun;
using swtest::TreeSnapshot;

constexpr uid_t kNobody = 65534;

QStringList failedPaths(const QJsonObject &result)
{
    QStringList paths;
    for (const QJsonValue &failure : result.value(QStringLiteral("failed")).toArray())
        paths << failure.toObject().value(QStringLiteral("path")).toString();
    paths.sort();
    return paths;
}

// Sets or clears a folder's append-only attribute; false where the file
// system or the rights do not allow it.
bool setAppendOnly(const QString &folder, bool on)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_APPEND_FL) : (flags & ~FS_APPEND_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

TEST(ShredCommand, DryRunTouchesNothingThenRemovesTheListedPathAndRefusesTheHome)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString home = tree.folder(QStringLiteral("home"));
    tree.file(QStringLiteral("home/notes"), 7);
    tree.file(QStringLiteral("data/keep"), 50);
    tree.file(QStringLiteral("drop/dir/a"), 10);
    tree.link(QStringLiteral("drop/dir/to-data"), tree.path(QStringLiteral("data")));
    const QString dir = tree.path(QStringLiteral("drop/dir"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    // The folder as a relative path with a trailing slash: still the folder, not what links lead to.
    auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("shred"), QStringLiteral("--root"), tree.root(),
                                          QStringLiteral("--home"), home, QStringLiteral("--json"),
                                          QStringLiteral("drop/dir/"), home}
                                  + args,
                              tree.path(QStringLiteral("config")), tree.root());
    };
    const auto parsed = [](const CliRun &r) { return QJsonDocument::fromJson(r.out).object(); };

    const CliRun dry = run({QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.code, 1) << dry.err.toStdString();  // the home stays
    EXPECT_EQ(parsed(dry).value("plan").toArray(), QJsonArray{dir});
    EXPECT_EQ(parsed(dry).value("shredSize").toInteger(), 0);
    EXPECT_EQ(run({}).code, 2);  // nobody to confirm
    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());

    const CliRun done = run({QStringLiteral("--yes"), QStringLiteral("--overwrite")});
    EXPECT_EQ(done.code, 1) << done.err.toStdString();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), (QStringList{dir, dir + "/a", dir + "/to-data"}));
    const QJsonObject result = parsed(done);
    EXPECT_EQ(result.keys(), (QStringList{"failed", "removed", "shredSize"}));
    EXPECT_EQ(result.value("shredSize").toInteger(), before.bytesGone(after, {dir}));
    EXPECT_EQ(result.value("removed").toArray(), QJsonArray{dir});
    const QJsonArray failed = result.value("failed").toArray();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed.at(0).toObject().value("path").toString(), home);
    EXPECT_FALSE(failed.at(0).toObject().value("reason").toString().isEmpty());
}

// --- overwriting only what is certain to go -----------------------------------

enum class Blocker { AnotherUsersFileInAStickyFolder, OwnFileInAReadOnlyFolder, FileInAnAppendOnlyFolder };

struct StayCase
{
    const char *name;
    Blocker blocker;
};

void PrintTo(const StayCase &c, std::ostream *os)
{
    *os << c.name;
}

class ShredOverwrite : public ::testing::TestWithParam<StayCase>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        if (::geteuid() != 0)
            GTEST_SKIP() << "another user's files and folder attributes need root";
        ::chmod(QFile::encodeName(tree.root()).constData(), 0755);
        config = tree.folder(QStringLiteral("config"));
        home = tree.folder(QStringLiteral("home"));
        QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), config, home});
    }
    void TearDown() override
    {
        if (!appendOnly.isEmpty())
            setAppendOnly(appendOnly, false);
    }

    swtest::FixtureTree tree;
    QString config, home, appendOnly;
};

// Regression: "--overwrite" wrote random bytes over files it then could not
// unlink, and reported them as kept.
TEST_P(ShredOverwrite, FileThatCannotGoIsNeitherWrittenNorRemoved)
{
    QString file;
    QStringList wrapper;
    const QStringList asNobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(kNobody),
                               QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups")};
    switch (GetParam().blocker) {
    case Blocker::AnotherUsersFileInAStickyFolder:
        file = tree.text(QStringLiteral("shared/theirs"), "their own words\n");
        ::chmod(QFile::encodeName(tree.path(QStringLiteral("shared"))).constData(), 01777);
        ::chmod(QFile::encodeName(file).constData(), 0666);
        wrapper = asNobody;
        break;
    case Blocker::OwnFileInAReadOnlyFolder:
        file = tree.text(QStringLiteral("mine/notes"), "my own words\n");
        QProcess::execute(QStringLiteral("chown"),
                          {QStringLiteral("-R"), QStringLiteral("65534:65534"), tree.path(QStringLiteral("mine"))});
        ::chmod(QFile::encodeName(tree.path(QStringLiteral("mine"))).constData(), 0555);
        wrapper = asNobody;
        break;
    case Blocker::FileInAnAppendOnlyFolder:
        file = tree.text(QStringLiteral("journal/entry"), "kept for good\n");
        if (!setAppendOnly(tree.path(QStringLiteral("journal")), true))
            GTEST_SKIP() << "this file system does not take the append-only attribute";
        appendOnly = tree.path(QStringLiteral("journal"));
        break;
    }
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    const CliRun run = swtest::runCli({QStringLiteral("shred"), QStringLiteral("--home"), home, QStringLiteral("--json"),
                                       QStringLiteral("--overwrite"), QStringLiteral("--yes"), file},
                                      config, QString(), {}, wrapper);

    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    // The record of the run (below the home's .local/state) is all it wrote.
    ASSERT_FALSE(before.entries().contains(QFile::encodeName(home + QStringLiteral("/.local"))));
    QDir(home + QStringLiteral("/.local")).removeRecursively();
    EXPECT_EQ(TreeSnapshot::of(tree.root()).entries(), before.entries());
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(result.value(QStringLiteral("shredSize")).toInteger(), 0);
    EXPECT_EQ(result.value(QStringLiteral("removed")).toArray(), QJsonArray());
    const QJsonArray failed = result.value(QStringLiteral("failed")).toArray();
    ASSERT_EQ(failed.size(), 1) << run.out.toStdString();
    EXPECT_EQ(failed.at(0).toObject().value(QStringLiteral("path")).toString(), file);
    EXPECT_TRUE(failed.at(0).toObject().value(QStringLiteral("reason")).toString().contains(
        QStringLiteral("nothing was overwritten")))
        << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Blockers, ShredOverwrite,
    ::testing::Values(StayCase{"AnotherUsersFileInAStickyFolder", Blocker::AnotherUsersFileInAStickyFolder},
                      StayCase{"OwnFileInAReadOnlyFolder", Blocker::OwnFileInAReadOnlyFolder},
                      StayCase{"FileInAnAppendOnlyFolder", Blocker::FileInAnAppendOnlyFolder}),
    [](const auto &info) { return std::string(info.param.name); });

// --- bind mounts -----------------------------------------------------------------

// Regression: "shred BIND/home BIND/root/etc --yes", with BIND a bind mount
// of the tree's top, removed the home and ROOT/etc and reported success.
// The mounts exist only in the command's own mount namespace.
TEST(ShredCommand, BindMountsDoNotPresentTheHomeOrProtectedFoldersUnderAnotherName)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    const QString home = tree.folder(QStringLiteral("home"));
    tree.file(QStringLiteral("home/notes"), 10);
    tree.file(QStringLiteral("root/etc/passwd"), 20);
    tree.file(QStringLiteral("root/usr/share/doc/readme"), 30);
    const QString file = tree.file(QStringLiteral("drop/file"), 5);
    const QString bind = tree.folder(QStringLiteral("mounts/all"));
    const QString share = tree.folder(QStringLiteral("mounts/share"));
    const QStringList refused{bind, bind + QStringLiteral("/home"), bind + QStringLiteral("/root/etc"),
                              bind + QStringLiteral("/root/usr/share/doc/readme"), share + QStringLiteral("/doc")};
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    const QString script = QStringLiteral(
        "mount --bind \"$1\" \"$2\" && mount --bind \"$3\" \"$4\" || exit 77; shift 4; exec \"$@\"");
    const CliRun run = swtest::runCli(
        QStringList{QStringLiteral("shred"), QStringLiteral("--root"), tree.path(QStringLiteral("root")),
                    QStringLiteral("--home"), home, QStringLiteral("--json"), QStringLiteral("--yes"),
                    bind + QStringLiteral("/drop/file")}
            + refused,
        tree.path(QStringLiteral("config")), QString(), {},
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), tree.root(), bind,
         tree.path(QStringLiteral("root/usr/share")), share});
    if (run.code == 77 || run.code == -1 || run.err.contains("unshare"))
        GTEST_SKIP() << "mounting is not permitted here: " << run.err.toStdString();

    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), QStringList{file});
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(result.value(QStringLiteral("shredSize")).toInteger(), before.bytesGone(after));
    EXPECT_EQ(result.value(QStringLiteral("removed")).toArray(), QJsonArray{bind + QStringLiteral("/drop/file")});
    QStringList sorted = refused;
    sorted.sort();
    EXPECT_EQ(failedPaths(result), sorted);
    for (const QString &path : refused)
        EXPECT_TRUE(run.err.contains(QStringLiteral("refused %1: ").arg(path).toUtf8())) << run.err.toStdString();
}

}  // namespace
