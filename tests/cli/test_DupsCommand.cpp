// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli dups, run as a program.

#include "FinderCliSupport.h"

#include "core/dups/DupKeepRule.h"
#include "core/dups/DupSavedResult.h"
#include "support/TreeSnapshot.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>

#include <csignal>

using swtest::pattern;

namespace {

class DupsCommand : public swtest::FinderCli
{
protected:
    QList<QStringList> groups(const QJsonObject &result) const
    {
        QList<QStringList> out;
        for (const auto &g : result.value("dupGroups").toArray()) {
            QStringList paths;
            for (const auto &i : g.toObject().value("groupItems").toArray())
                paths << i.toObject().value("itemPath").toString().mid(tree.root().size() + 1);
            out << paths;
        }
        return out;
    }
};

using Groups = QList<QStringList>;

TEST_F(DupsCommand, JsonListsTheGroups)
{
    tree.text(QStringLiteral("music/a/Song.MP3"), pattern(1, 50000));
    swtest::setModificationTime(tree.text(QStringLiteral("music/b/Song.MP3"), pattern(1, 50000)), 1767323045);
    tree.text(QStringLiteral("music/c/other.mp3"), pattern(2, 50000));
    const QJsonObject result = json(QStringLiteral("dups"), {tree.path(QStringLiteral("music"))});
    EXPECT_EQ(result.keys(), (QStringList{"dupGroups", "dupTotalSize"}));
    EXPECT_EQ(result.value("dupTotalSize").toInteger(), 100000);
    const QJsonArray list = result.value("dupGroups").toArray();
    ASSERT_EQ(list.size(), 1);
    const QJsonObject group = list[0].toObject();
    EXPECT_EQ(group.keys(), (QStringList{"groupItems", "groupName", "groupSize", "groupType"}));
    EXPECT_EQ(group.value("groupName").toString(), QStringLiteral("Song.MP3"));
    EXPECT_EQ(group.value("groupType").toString(), QStringLiteral("MP3"));
    EXPECT_EQ(group.value("groupSize").toInteger(), 100000);
    const QJsonObject item = group.value("groupItems").toArray()[1].toObject();
    EXPECT_EQ(item.keys(), (QStringList{"itemModTime", "itemPath", "itemSize"}));
    EXPECT_EQ(item.value("itemSize").toInteger(), 50000);
    EXPECT_EQ(item.value("itemModTime").toString(), QStringLiteral("2026-01-02T03:04:05Z"));
    EXPECT_EQ(groups(result), (Groups{{"music/a/Song.MP3", "music/b/Song.MP3"}}));
    // Listed as found (stdout is a pipe) or held for a plan: the same report.
    const QJsonObject planned = json(QStringLiteral("dups"), {tree.path(QStringLiteral("music")),
                                                              QStringLiteral("--trash-all-but-first"),
                                                              QStringLiteral("--dry-run")});
    EXPECT_EQ(planned.value("dupGroups"), result.value("dupGroups"));
    EXPECT_EQ(planned.value("dupTotalSize"), result.value("dupTotalSize"));
}

TEST_F(DupsCommand, QuickTrustsTheSamples)
{
    QByteArray bytes = pattern(3, 90000);
    tree.text(QStringLiteral("d/a.bin"), bytes);
    bytes[45000] = char(bytes[45000] ^ 1);  // outside the three samples
    tree.text(QStringLiteral("d/b.bin"), bytes);
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {tree.path(QStringLiteral("d"))})), Groups{});
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {tree.path(QStringLiteral("d")), QStringLiteral("--quick")})),
              (Groups{{"d/a.bin", "d/b.bin"}}));
}

TEST_F(DupsCommand, NoCacheKeepsNothingAndClearCacheForgetsIt)
{
    tree.text(QStringLiteral("d/a.bin"), pattern(4, 90000));
    tree.text(QStringLiteral("d/b.bin"), pattern(4, 90000));
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME") + QStringLiteral("/sweepwright/dup-digests");
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("XDG_CACHE_HOME"));
    QFile::remove(cache);
    QThread::msleep(2100);  // files changed within two seconds are not cached
    const Groups found{{"d/a.bin", "d/b.bin"}};
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {tree.path(QStringLiteral("d")), QStringLiteral("--no-cache")})), found);
    EXPECT_FALSE(QFileInfo::exists(cache));
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {tree.path(QStringLiteral("d"))})), found);
    EXPECT_GT(QFileInfo(cache).size(), 0);
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {tree.path(QStringLiteral("d"))})), found);
    const auto cleared = cli({QStringLiteral("dups"), QStringLiteral("--clear-cache")});
    EXPECT_EQ(cleared.code, 0) << cleared.err.toStdString();
    EXPECT_TRUE(cleared.out.contains(QFile::encodeName(cache)));
    EXPECT_FALSE(QFileInfo::exists(cache));
}

TEST_F(DupsCommand, NoFolderMeansTheUsersFoldersWithDesktopAndVideos)
{
    const QStringList copies{"home/Desktop/a.pdf", "home/Documents/a.pdf", "home/Music/a.pdf", "home/Videos/a.pdf"};
    for (const QString &path : copies)
        tree.text(path, pattern(4, 30000));
    tree.text(QStringLiteral("home/Other/a.pdf"), pattern(4, 30000));
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {})), Groups{copies});
}

// A person keeps the filed copy: not the one in Downloads (though it is the
// oldest), nor one marked as a copy, nor the one left in the parent folder
// when the times agree. The best original is the freedesktop default.
TEST_F(DupsCommand, KeepOriginalPlansToTrashAllButTheFiledCopy)
{
    const QList<std::pair<const char *, qint64>> copies{{"home/Documents/report (1).pdf", 1262304000},
                                                        {"home/Documents/report.pdf", 1420070400},
                                                        {"home/Documents/Work/report.pdf", 1420070400},
                                                        {"home/Downloads/report.pdf", 978307200}};
    for (const auto &[path, time] : copies)
        ASSERT_TRUE(swtest::setModificationTime(tree.text(QString::fromLatin1(path), pattern(9, 30000)), time));
    for (const QStringList &keep : {QStringList{QStringLiteral("--keep"), QStringLiteral("original")}, QStringList{}}) {
        const QJsonObject result = json(
            QStringLiteral("dups"), QStringList{QStringLiteral("--trash-all-but-first"), QStringLiteral("--dry-run")} + keep);
        ASSERT_EQ(groups(result).size(), 1);
        QStringList planned;
        for (const auto &path : result.value("plan").toArray())
            planned << path.toString().mid(tree.root().size() + 1);
        planned.sort();
        EXPECT_EQ(planned, (QStringList{"home/Documents/report (1).pdf", "home/Documents/report.pdf",
                                        "home/Downloads/report.pdf"}))
            << keep.join(u' ').toStdString();
    }
    for (const auto &[path, time] : copies)
        EXPECT_TRUE(tree.exists(QString::fromLatin1(path))) << "--dry-run moved " << path;
}

TEST_F(DupsCommand, TrashAllButFirstKeepsTheFirstCopyOfEachGroup)
{
    for (const char *name : {"a", "b", "c"})
        tree.text(QStringLiteral("d/x/") + QLatin1String(name), pattern(5, 40000));
    for (const char *name : {"a", "b"})
        tree.text(QStringLiteral("d/y/") + QLatin1String(name), pattern(6, 20000));
    const QJsonObject result = json(QStringLiteral("dups"), {tree.path(QStringLiteral("d")), QStringLiteral("--trash-all-but-first"),
                                                             QStringLiteral("--yes")});
    EXPECT_EQ(result.value("delSize").toInteger(), 2 * 40000 + 20000);
    QStringList moved;
    for (const auto &path : result.value("removed").toArray())
        moved << path.toString().mid(tree.root().size() + 1);
    EXPECT_EQ(moved, (QStringList{"d/x/b", "d/x/c", "d/y/b"}));
    EXPECT_TRUE(tree.exists(QStringLiteral("d/x/a")));
    EXPECT_TRUE(tree.exists(QStringLiteral("d/y/a")));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + QStringLiteral("/c")));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + QStringLiteral("/b.2")));
}

// --reference: the folder of originals (named through a link, scanned
// though not named as a folder) is marked in the listing, never in the plan,
// and --yes moves every other copy, each rule alike; a set of originals only
// is not listed.
TEST_F(DupsCommand, ReferenceCopiesAreListedAndNeverPlannedOrMoved)
{
    tree.text(QStringLiteral("originals/a.bin"), pattern(11, 30000));
    tree.text(QStringLiteral("originals/sub/a-again.bin"), pattern(12, 30000));
    tree.text(QStringLiteral("originals/b.bin"), pattern(12, 30000));  // both originals: not listed
    for (const char *name : {"d/x/a.bin", "d/y/a.bin", "d/z/a.bin"})
        tree.text(QString::fromLatin1(name), pattern(11, 30000));
    const QString link = tree.root() + QStringLiteral("/to-originals");
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("originals")), link));
    const QStringList base{tree.path(QStringLiteral("d")), QStringLiteral("--reference"), link};
    for (const QString &rule : sw::dupkeep::keys()) {
        const QJsonObject result = json(QStringLiteral("dups"), base + QStringList{QStringLiteral("--keep"), rule,
                                                                                    QStringLiteral("--trash-all-but-first"),
                                                                                    QStringLiteral("--dry-run")});
        ASSERT_EQ(groups(result), (Groups{{"d/x/a.bin", "d/y/a.bin", "d/z/a.bin", "to-originals/a.bin"}}))
            << rule.toStdString();
        QList<bool> marks;
        for (const auto &item : result.value("dupGroups").toArray()[0].toObject().value("groupItems").toArray())
            marks << item.toObject().value("isReference").toBool();
        EXPECT_EQ(marks, (QList<bool>{false, false, false, true}));
        QStringList planned;
        for (const auto &path : result.value("plan").toArray())
            planned << path.toString().mid(tree.root().size() + 1);
        EXPECT_EQ(planned, (QStringList{"d/x/a.bin", "d/y/a.bin", "d/z/a.bin"})) << rule.toStdString();
    }
    const swtest::CliRun text = cli(QStringList{QStringLiteral("dups"), QStringLiteral("--home"), home} + base);
    EXPECT_TRUE(text.out.contains((link + QStringLiteral("/a.bin  [reference]\n")).toUtf8())) << text.out.toStdString();

    const QJsonObject moved = json(QStringLiteral("dups"), base + QStringList{QStringLiteral("--trash-all-but-first"),
                                                                               QStringLiteral("--yes")});
    EXPECT_EQ(moved.value("delSize").toInteger(), 3 * 30000);
    EXPECT_TRUE(tree.exists(QStringLiteral("originals/a.bin")));
    EXPECT_FALSE(tree.exists(QStringLiteral("d/x/a.bin")));
    EXPECT_TRUE(tree.exists(QStringLiteral("originals/b.bin")));
    EXPECT_TRUE(tree.exists(QStringLiteral("originals/sub/a-again.bin")));
}

// The folder of originals named through a bind mount of it (in the
// command's own mount namespace) is the same folder: its copy is found under
// the folder scanned, by another name, and still never planned.
TEST_F(DupsCommand, ReferenceFolderNamedThroughABindMountIsRecognised)
{
    tree.text(QStringLiteral("d/originals/a.bin"), pattern(13, 30000));
    tree.text(QStringLiteral("d/x/a.bin"), pattern(13, 30000));
    tree.text(QStringLiteral("d/y/a.bin"), pattern(13, 30000));
    const QString view = tree.folder(QStringLiteral("mounts/view"));
    const swtest::CliRun run = swtest::runCli(
        {QStringLiteral("dups"), QStringLiteral("--home"), home, QStringLiteral("--json"), tree.path(QStringLiteral("d")),
         QStringLiteral("--reference"), view, QStringLiteral("--trash-all-but-first"), QStringLiteral("--dry-run")},
        tree.path(QStringLiteral("config")), cwd, {},
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("mount --bind \"$1\" \"$2\" || exit 77; shift 2; exec \"$@\""),
         QStringLiteral("sh"), tree.path(QStringLiteral("d/originals")), view});
    if (run.code == 77 || run.code == -1 || run.err.contains("unshare"))
        GTEST_SKIP() << "mounting is not permitted here: " << run.err.toStdString();
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    ASSERT_EQ(groups(result), (Groups{{"d/originals/a.bin", "d/x/a.bin", "d/y/a.bin"}}));
    QStringList planned;
    for (const auto &path : result.value("plan").toArray())
        planned << path.toString().mid(tree.root().size() + 1);
    EXPECT_EQ(planned, (QStringList{"d/x/a.bin", "d/y/a.bin"}));
}

// Four copies: the first found, the oldest, the newest and the one with the
// shortest path are four different files.
struct KeepCase
{
    const char *name;
    QStringList args;
    const char *kept;
};

void PrintTo(const KeepCase &c, std::ostream *os)
{
    *os << c.name;
}

class DupsKeep : public DupsCommand, public ::testing::WithParamInterface<KeepCase>
{
};

TEST_P(DupsKeep, TrashPlanLeavesTheCopyTheRulePicks)
{
    const QList<std::pair<const char *, qint64>> copies{{"d/a/first.bin", 1420070400},
                                                        {"d/b/the-oldest-copy.bin", 978307200},
                                                        {"d/c/s", 1262304000},
                                                        {"d/d/the-newest.bin", 1704067200}};
    QStringList all;
    for (const auto &[path, time] : copies) {
        all << QString::fromLatin1(path);
        ASSERT_TRUE(swtest::setModificationTime(tree.text(all.constLast(), pattern(7, 30000)), time));
    }
    const QJsonObject result = json(QStringLiteral("dups"), QStringList{tree.path(QStringLiteral("d")),
                                                                        QStringLiteral("--trash-all-but-first"),
                                                                        QStringLiteral("--dry-run")}
                                                                + GetParam().args);
    ASSERT_EQ(groups(result), Groups{all});
    QStringList planned;
    for (const auto &path : result.value("plan").toArray())
        planned << path.toString().mid(tree.root().size() + 1);
    all.removeOne(QString::fromLatin1(GetParam().kept));
    EXPECT_EQ(planned, all);
    for (const auto &[path, time] : copies)
        EXPECT_TRUE(tree.exists(QString::fromLatin1(path))) << "--dry-run moved " << path;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DupsKeep,
    ::testing::Values(KeepCase{"First", {"--keep", "first"}, "d/a/first.bin"},
                      KeepCase{"Oldest", {"--keep=oldest"}, "d/b/the-oldest-copy.bin"},
                      KeepCase{"Newest", {"--keep", "newest"}, "d/d/the-newest.bin"},
                      KeepCase{"ShortestPath", {"--keep", "shortest-path"}, "d/c/s"},
                      KeepCase{"MacosDefaultIsFirst", {"--layout", "macos"}, "d/a/first.bin"}),
    [](const auto &info) { return std::string(info.param.name); });

// Ctrl-C while the contents of 20 GiB of equal (sparse) files are compared:
// the scan stops between two chunks, no finished report is printed, and the
// exit status says why. (Few files: reading a hole still fills the page cache.)
TEST_F(DupsCommand, InterruptStopsTheScanQuickly)
{
    for (int i = 0; i < 20; ++i)
        swtest::sparseFile(tree, QStringLiteral("big/f%1/copy.img").arg(i), 1024LL * 1024 * 1024);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(cwd);
    process.start(QStringLiteral(SWEEPWRIGHT_CLI), {QStringLiteral("dups"), tree.path(QStringLiteral("big")),
                                                    QStringLiteral("--home"), home, QStringLiteral("--json")});
    ASSERT_TRUE(process.waitForStarted());
    // Wait until the scan's Ctrl-C handler is in place (SIGINT caught), then
    // a little longer so that the scan is well under way.
    const QString status = QStringLiteral("/proc/%1/status").arg(process.processId());
    auto catchesSigint = [&status] {
        QFile file(status);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        for (const QByteArray &line : file.readAll().split('\n'))
            if (line.startsWith("SigCgt:"))
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) & (1u << (SIGINT - 1))) != 0;
        return false;
    };
    QElapsedTimer clock;
    clock.start();
    while (!catchesSigint() && clock.elapsed() < 20000 && process.state() == QProcess::Running)
        QThread::msleep(10);
    QThread::msleep(200);
    ASSERT_EQ(process.state(), QProcess::Running) << "the scan ended before it could be interrupted";
    ::kill(pid_t(process.processId()), SIGINT);
    clock.restart();
    const bool ended = process.waitForFinished(5000);
    if (!ended)
        process.kill();
    ASSERT_TRUE(ended) << "still running 5 s after Ctrl-C";
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_TRUE(process.readAllStandardError().contains("sweepwright-cli: cancelled"));
    // Sets are listed as found into a pipe: what was printed may not read
    // as a finished report.
    QJsonParseError error;
    QJsonDocument::fromJson(process.readAllStandardOutput(), &error);
    EXPECT_NE(error.error, QJsonParseError::NoError);
}

TEST_F(DupsCommand, HelpAndUsageErrors)
{
    const swtest::CliRun help = cli({QStringLiteral("dups"), QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("--quick"));
    EXPECT_TRUE(help.out.contains("--trash-all-but-first"));
    EXPECT_TRUE(help.out.contains("--keep"));
    EXPECT_EQ(cli({QStringLiteral("dups"), QStringLiteral("--trash")}).code, 2);
    const swtest::CliRun badRule = cli({QStringLiteral("dups"), QStringLiteral("--keep"), QStringLiteral("largest")});
    EXPECT_EQ(badRule.code, 2);
    EXPECT_TRUE(badRule.err.contains("--keep takes original, oldest, newest, shortest-path, first"))
        << badRule.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("dups"), QStringLiteral("--keep")}).code, 2);
}

TEST_F(DupsCommand, CsvQuotesAwkwardPathsAndJsonOpensAgain)
{
    tree.text(QStringLiteral("d/a,1"), pattern(7, 30000));
    tree.text(QStringLiteral("d/b \"q\"\nx"), pattern(7, 30000));
    const swtest::CliRun csv = cli({QStringLiteral("dups"), QStringLiteral("--home"), home, tree.path(QStringLiteral("d")),
                                    QStringLiteral("--csv"), QStringLiteral("--keep"), QStringLiteral("first")});
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    const QByteArray d = QFile::encodeName(tree.path(QStringLiteral("d")));
    EXPECT_TRUE(csv.out.startsWith("set,size,path,modification time,kept\r\n1,30000,\"" + d + "/a,1\","))
        << csv.out.toStdString();
    EXPECT_TRUE(csv.out.contains("\r\n1,30000,\"" + d + "/b \"\"q\"\"\nx\","));
    EXPECT_TRUE(csv.out.endsWith(",no\r\n"));
    // The report of --json is a saved result.
    const swtest::CliRun json = cli({QStringLiteral("dups"), QStringLiteral("--home"), home, tree.path(QStringLiteral("d")),
                                     QStringLiteral("--json")});
    const auto opened = sw::DupSavedResult::open(tree.text(QStringLiteral("saved.json"), json.out));
    ASSERT_TRUE(opened.data) << opened.error.toStdString();
    ASSERT_EQ(opened.data->dupGroups.size(), 1);
    EXPECT_EQ(opened.data->dupGroups.at(0).groupItems.size(), 2);
    EXPECT_EQ(cli({QStringLiteral("dups"), QStringLiteral("--csv"), QStringLiteral("--json")}).code, 2);
}

TEST_F(DupsCommand, EmptyListsAndWithYesMovesEmptyFindsToTheTrash)
{
    tree.text(QStringLiteral("d/zero"), {});
    tree.folder(QStringLiteral("d/e/f"));
    tree.link(QStringLiteral("d/broken"), QStringLiteral("nowhere"));
    tree.text(QStringLiteral("d/kept"), "x");
    const QStringList args{tree.path(QStringLiteral("d")), QStringLiteral("--empty")};
    const QJsonObject listed = json(QStringLiteral("dups"), args);
    EXPECT_EQ(swtest::dupSets(QJsonDocument(listed).toJson(), tree.root()),
              (QStringList{"d/broken", "d/e", "d/zero"}));
    const QJsonObject planned = json(QStringLiteral("dups"), args + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(planned.value("plan").toArray().size(), 3);
    EXPECT_TRUE(tree.exists(QStringLiteral("d/e/f")));
    const QJsonObject moved = json(QStringLiteral("dups"), args + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(moved.value("removed").toArray().size(), 3) << QJsonDocument(moved).toJson().toStdString();
    EXPECT_FALSE(tree.exists(QStringLiteral("d/zero")));
    EXPECT_FALSE(tree.exists(QStringLiteral("d/e")));
    EXPECT_FALSE(tree.exists(QStringLiteral("d/broken")));
    EXPECT_TRUE(tree.exists(QStringLiteral("d/kept")));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + QStringLiteral("/e")));
}

// --- replacing copies with links ----------------------------------------------------

TEST_F(DupsCommand, LinkActsOnlyWhenConfirmedAndDryRunShowsThePlan)
{
    const QString a = tree.text(QStringLiteral("d/a"), pattern(1, 30000));
    const QString b = tree.text(QStringLiteral("d/b"), pattern(1, 30000));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const QStringList base{QStringLiteral("dups"), tree.path(QStringLiteral("d")), QStringLiteral("--home"), home,
                           QStringLiteral("--link"), QStringLiteral("hard")};
    const swtest::CliRun unasked = cli(base);
    EXPECT_EQ(unasked.code, 2);
    const swtest::CliRun dry = cli(base + QStringList{QStringLiteral("--dry-run")});
    EXPECT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(("Would replace with a link: " + b).toUtf8())) << dry.out.toStdString();
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
    const swtest::CliRun done = cli(base + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(done.code, 0) << done.err.toStdString();
    EXPECT_TRUE(done.out.contains(("Replaced with a link: " + b).toUtf8())) << done.out.toStdString();
    EXPECT_TRUE(done.out.contains("Freed 30 kB in total.")) << done.out.toStdString();
    struct stat sa, sb;
    ASSERT_EQ(::lstat(QFile::encodeName(a).constData(), &sa), 0);
    ASSERT_EQ(::lstat(QFile::encodeName(b).constData(), &sb), 0);
    EXPECT_EQ(sa.st_ino, sb.st_ino);
    const swtest::CliRun both = cli(base + QStringList{QStringLiteral("--trash-all-but-first"), QStringLiteral("--yes")});
    EXPECT_EQ(both.code, 2);
    const swtest::CliRun badKind = cli({QStringLiteral("dups"), QStringLiteral("--link"), QStringLiteral("soft")});
    EXPECT_EQ(badKind.code, 2);
    EXPECT_TRUE(badKind.err.contains("--link takes hard, reflink, symbolic")) << badKind.err.toStdString();
}

// An XFS image with reflinks, mounted in the command's own mount namespace:
// each copy stays a file of its own (a clone put in its place) with its
// owner, mode and times, sharing the kept copy's data. What the files
// became is written out from inside the namespace.
TEST_F(DupsCommand, ReflinkKeepsEachCopysModeAndTimesAndSharesTheData)
{
    const QString image = tree.path(QStringLiteral("xfs.img"));
    const QString mount = tree.folder(QStringLiteral("mnt"));
    const QString report = tree.path(QStringLiteral("report.json"));
    const QString facts = tree.path(QStringLiteral("facts"));
    const QString script = QStringLiteral(
        "truncate -s 320M \"$1\" && mkfs.xfs -q -m reflink=1 \"$1\" && mount -o loop \"$1\" \"$2\" || exit 77; "
        "cd \"$2\" && head -c 300000 /dev/urandom > a && cp a b && cp a c && chmod 600 b && "
        "touch -d '2020-02-03 04:05:06' b && stat -c '%i %a %Y %U' b > \"$4.before\" || exit 3; "
        "shift 4; \"$@\" > \"%1\"; code=$?; "
        "stat -c '%i %a %Y %U' b > \"%2\" && cmp a b && cmp a c && filefrag -v b | grep -c shared >> \"%2\"; "
        "cd /; umount \"%3\"; exit $code")
                               .arg(report, facts, mount);
    const swtest::CliRun run = swtest::runCli(
        {QStringLiteral("dups"), mount, QStringLiteral("--home"), home, QStringLiteral("--json"), QStringLiteral("--link"),
         QStringLiteral("reflink"), QStringLiteral("--keep"), QStringLiteral("first"), QStringLiteral("--yes")},
        tree.path(QStringLiteral("config")), cwd, {},
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), image, mount, QString(), facts});
    if (run.code == 77 || run.code == -1 || run.err.contains("unshare"))
        GTEST_SKIP() << "no XFS image can be mounted here: " << run.err.toStdString();
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(swtest::FixtureTree::bytesAt(report)).object();
    EXPECT_EQ(result.value("delSize").toInteger(), 600000);
    EXPECT_EQ(result.value("removed").toArray().size(), 2);
    const QList<QByteArray> after = swtest::FixtureTree::bytesAt(facts).trimmed().split('\n');
    ASSERT_EQ(after.size(), 2) << swtest::FixtureTree::bytesAt(facts).toStdString();
    const QByteArray before = swtest::FixtureTree::bytesAt(facts + QStringLiteral(".before")).trimmed();
    EXPECT_NE(after[0].split(' ').value(0), before.split(' ').value(0)) << "not a clone of its own";
    EXPECT_EQ(after[0].split(' ').mid(1), before.split(' ').mid(1));
    EXPECT_TRUE(before.endsWith(" 600 1580702706 root")) << before.toStdString();
    EXPECT_GT(after[1].toInt(), 0) << "the copy shares no extent with the kept copy";
}

// The command is killed while it replaces the copies of many sets: every
// copy's name still leads to its bytes (the copy itself or the kept copy),
// and a temporary name left behind holds one of the two as well.
TEST_F(DupsCommand, KillDuringReplacementLosesNoCopy)
{
    constexpr int kSets = 2500;
    QStringList kept, copies;
    for (int i = 0; i < kSets; ++i) {
        const QByteArray bytes = pattern(quint32(i), 17000 + i);
        kept << tree.text(QStringLiteral("d/%1/a").arg(i), bytes);
        copies << tree.text(QStringLiteral("d/%1/b").arg(i), bytes);
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), tree.path(QStringLiteral("config")));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(cwd);
    process.start(QStringLiteral(SWEEPWRIGHT_CLI),
                  {QStringLiteral("dups"), tree.path(QStringLiteral("d")), QStringLiteral("--home"), home,
                   QStringLiteral("--keep"), QStringLiteral("first"), QStringLiteral("--link"),
                   QStringLiteral("hard"), QStringLiteral("--yes")});
    ASSERT_TRUE(process.waitForStarted());
    // The largest set goes first: once its copy is a link, the run is under way.
    const QByteArray first = QFile::encodeName(copies.last());
    const QByteArray firstKept = QFile::encodeName(kept.last());
    QElapsedTimer clock;
    clock.start();
    struct stat sc = {}, sk = {};
    while (clock.elapsed() < 60000 && process.state() == QProcess::Running
           && !(::stat(first.constData(), &sc) == 0 && ::stat(firstKept.constData(), &sk) == 0 && sc.st_ino == sk.st_ino))
        QThread::usleep(50);
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(5000);
    int linked = 0;
    for (int i = 0; i < kSets; ++i) {
        const QByteArray bytes = pattern(quint32(i), 17000 + i);
        ASSERT_EQ(swtest::FixtureTree::bytesAt(copies[i]), bytes) << copies[i].toStdString();
        struct stat c = {}, k = {};
        ::lstat(QFile::encodeName(copies[i]).constData(), &c);
        ::lstat(QFile::encodeName(kept[i]).constData(), &k);
        linked += c.st_ino == k.st_ino ? 1 : 0;
        // Nothing else appeared, and what has a temporary name holds the same bytes.
        const QDir folder(QFileInfo(copies[i]).path());
        const QStringList temporary =
            folder.entryList({QStringLiteral(".sweepwright-link.*")}, QDir::Files | QDir::Hidden);
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden).size(), 2 + temporary.size());
        for (const QString &left : temporary)
            EXPECT_EQ(swtest::FixtureTree::bytesAt(folder.filePath(left)), bytes) << left.toStdString();
    }
    EXPECT_GT(linked, 0);
    EXPECT_LT(linked, kSets) << "the run ended before it was killed";
}

}  // namespace
