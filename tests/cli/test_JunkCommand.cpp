// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli junk, run as a program on fixture trees of both layouts.

#include "CliRunner.h"
#include "RemovalBlocker.h"
#include "support/FixtureTree.h"
#include "support/NotificationsStandIn.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <csignal>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <pwd.h>
#include <sys/sysmacros.h>

namespace {

using swtest::CliRun;

class JunkCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        home = tree.folder(QStringLiteral("home"));
        root = tree.folder(QStringLiteral("root"));
        config = tree.folder(QStringLiteral("config"));
    }

    CliRun cli(const QStringList &args, const QStringList &extraEnv = {}) const
    {
        return swtest::runCli(args, config, QString(), extraEnv);
    }

    // `junk --home H --root R --json` plus args, parsed.
    static constexpr int kAnyCode = -2;
    QJsonObject junkJson(const QStringList &args, int expectedCode = 0)
    {
        const CliRun run = cli(QStringList{QStringLiteral("junk"), QStringLiteral("--home"), home,
                                           QStringLiteral("--root"), root, QStringLiteral("--json")}
                               + args);
        if (expectedCode != kAnyCode)
            EXPECT_EQ(run.code, expectedCode) << run.err.toStdString();
        else
            EXPECT_GE(run.code, 0) << run.err.toStdString();
        lastRaw = run.out;
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
        return doc.object();
    }

    static QList<qint64> groupIDs(const QJsonObject &result)
    {
        QList<qint64> ids;
        for (const QJsonValue &g : result.value(QStringLiteral("junkGroups")).toArray())
            ids.append(g.toObject().value(QStringLiteral("groupID")).toInteger());
        return ids;
    }

    static QJsonObject group(const QJsonObject &result, qint64 id)
    {
        for (const QJsonValue &g : result.value(QStringLiteral("junkGroups")).toArray())
            if (g.toObject().value(QStringLiteral("groupID")).toInteger() == id)
                return g.toObject();
        return {};
    }

    // The item paths of a group, relative to the tree, sorted.
    QStringList itemPaths(const QJsonObject &group) const
    {
        QStringList paths;
        for (const QJsonValue &item : group.value(QStringLiteral("groupItems")).toArray())
            paths.append(item.toObject().value(QStringLiteral("itemPath")).toString().mid(tree.root().size() + 1));
        paths.sort();
        return paths;
    }

    void plantFreedesktopHome()
    {
        tree.file(QStringLiteral("home/.cache/app/sub/f"), 100);
        tree.file(QStringLiteral("home/.cache/loose.bin"), 50);
        tree.file(QStringLiteral("home/.local/share/Trash/files/old/x"), 30);
        tree.text(QStringLiteral("home/.local/share/Trash/info/old.trashinfo"), "[Trash Info]\nPath=/x/old\n");
        tree.file(QStringLiteral("home/Downloads/setup.iso"), 700);
        tree.file(QStringLiteral("home/.npm/_cacache/index-v5/i"), 40);
        tree.file(QStringLiteral("root/var/log/syslog.1"), 20);
        tree.file(QStringLiteral("root/var/cache/debconf/config.dat"), 10);
    }

    swtest::FixtureTree tree;
    QString home, root, config;
    QByteArray lastRaw;
};

// --- usage ---------------------------------------------------------------------

TEST_F(JunkCommand, HelpListsTheCommandsAndTheLayoutOptions)
{
    const CliRun global = cli({QStringLiteral("--help")});
    EXPECT_EQ(global.code, 0);
    EXPECT_TRUE(global.out.contains("junk")) << global.out.toStdString();
    EXPECT_TRUE(global.out.contains("--layout"));
    const CliRun junk = cli({QStringLiteral("junk"), QStringLiteral("--help")});
    EXPECT_EQ(junk.code, 0);
    EXPECT_TRUE(junk.out.contains("--category"));
    EXPECT_TRUE(junk.out.contains("Developer Build Caches"));
    // It tells what each category removes: the iTunes category takes the
    // software updates the iOS category only lists.
    const CliRun mac = cli({QStringLiteral("junk"), QStringLiteral("--help"), QStringLiteral("--layout=macos")});
    const QString text = QString::fromUtf8(mac.out);
    const QString itunes = text.section(QStringLiteral("iTunes Junk Files"), 1).section(QStringLiteral("  13"), 0, 0);
    EXPECT_TRUE(itunes.contains(QStringLiteral("*.ipsw"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("never are"))) << text.toStdString();
}

TEST_F(JunkCommand, VersionAtTopLevelAndForEveryCommand)
{
    const CliRun top = cli({QStringLiteral("--version")});
    EXPECT_EQ(top.code, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^sweepwright-cli \\d+\\.\\d+\\.\\d+\n$")).match(QString::fromUtf8(top.out)).hasMatch())
        << top.out.toStdString();
    for (const char *command : {"junk", "large", "dups", "tnef"}) {
        const CliRun run = cli({QString::fromLatin1(command), QStringLiteral("--version")});
        EXPECT_EQ(run.code, 0) << command;
        EXPECT_EQ(run.out, top.out) << command;
    }
}

struct UsageCase
{
    const char *name;
    QStringList args;
    const char *message;
};

void PrintTo(const UsageCase &c, std::ostream *os)
{
    *os << c.name;
}

class JunkUsage : public JunkCommand, public ::testing::WithParamInterface<UsageCase>
{
};

TEST_P(JunkUsage, IsAUsageErrorWithExitStatusTwo)
{
    const CliRun run = cli(GetParam().args);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(GetParam().message)) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, JunkUsage,
    ::testing::Values(UsageCase{"NoCommand", {}, "Usage:"},
                      UsageCase{"UnknownCommand", {"sweep"}, "unknown command"},
                      UsageCase{"UnknownOption", {"junk", "--bogus"}, "unknown option --bogus"},
                      UsageCase{"MissingValue", {"junk", "--home"}, "--home needs a value"},
                      UsageCase{"EmptyHomeIsNotTheRealHome", {"junk", "--clean", "--home", ""}, "--home needs a value"},
                      UsageCase{"EmptyRoot", {"junk", "--root="}, "--root needs a value"},
                      UsageCase{"FlagWithValue", {"junk", "--json=yes"}, "--json takes no value"},
                      UsageCase{"StrayArgument", {"junk", "extra"}, "unexpected argument extra"},
                      UsageCase{"UnknownLayout", {"junk", "--layout", "windows"}, "unknown layout"},
                      UsageCase{"CategoryNotANumber", {"junk", "--category", "cache"}, "no category cache"},
                      UsageCase{"CategoryNotOfferedHere", {"junk", "--category=9"}, "no category 9"},
                      UsageCase{"UnknownProfile", {"junk", "--profile", "nightly"}, "no profile \"nightly\""},
                      UsageCase{"ScheduledRunNeverAsksForAPassword",
                                {"junk", "--profile=scheduled", "--admin"}, "cannot go with --admin"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- listing ---------------------------------------------------------------------

TEST_F(JunkCommand, FreedesktopJsonListsTheDefaultCategories)
{
    plantFreedesktopHome();
    const QJsonObject result = junkJson({});
    EXPECT_EQ(groupIDs(result), (QList<qint64>{0, 1, 2, 3, 10, 6, 8, 7}));  // developer caches are off by default
    EXPECT_FALSE(result.contains(QStringLiteral("delSize")));
    EXPECT_EQ(result.keys(), (QStringList{"junkGroups", "junkTotalSize"}));

    const QJsonObject cache = group(result, 0);
    EXPECT_EQ(cache.keys(), (QStringList{"groupID", "groupItems", "groupName", "groupSelectedSize", "groupSize",
                                         "isGroupDelFlag"}));
    EXPECT_EQ(cache.value(QStringLiteral("groupName")).toString(), QStringLiteral("Application Junk Files"));
    EXPECT_EQ(itemPaths(cache), (QStringList{"home/.cache/app", "home/.cache/loose.bin"}));
    EXPECT_EQ(cache.value(QStringLiteral("isGroupDelFlag")).toInteger(), 2);
    const QJsonObject item = cache.value(QStringLiteral("groupItems")).toArray().first().toObject();
    EXPECT_EQ(item.keys(), (QStringList{"isDel", "itemPath", "itemSize"}));
    EXPECT_TRUE(item.value(QStringLiteral("isDel")).toBool());

    EXPECT_EQ(itemPaths(group(result, 3)), QStringList{"root/var/log/syslog.1"});
    EXPECT_TRUE(itemPaths(group(result, 2)).isEmpty());  // debconf is never listed
    EXPECT_EQ(group(result, 8).value(QStringLiteral("groupSize")).toInteger(), 700);
    qint64 sum = 0;
    for (const QJsonValue &g : result.value(QStringLiteral("junkGroups")).toArray())
        sum += g.toObject().value(QStringLiteral("groupSize")).toInteger();
    EXPECT_EQ(result.value(QStringLiteral("junkTotalSize")).toInteger(), sum);
}

TEST_F(JunkCommand, JsonKeysComeInTheDocumentedOrder)
{
    plantFreedesktopHome();
    junkJson({QStringLiteral("--category"), QStringLiteral("8"), QStringLiteral("--clean"), QStringLiteral("--yes")});
    const QRegularExpression keys(QStringLiteral("\"(\\w+)\":"));
    QStringList order;
    for (const QRegularExpressionMatch &m : keys.globalMatch(QString::fromUtf8(lastRaw)))
        order.append(m.captured(1));
    EXPECT_EQ(order, (QStringList{"junkTotalSize", "junkGroups", "groupID", "groupName", "groupSize",
                                  "groupSelectedSize", "isGroupDelFlag", "groupItems", "itemPath", "itemSize", "isDel",
                                  "skipped", "removed", "failures", "failedItems", "failedSize", "delSize"}));
}

TEST_F(JunkCommand, ChosenCategoriesOrAllOfThem)
{
    plantFreedesktopHome();
    EXPECT_EQ(groupIDs(junkJson({QStringLiteral("--category"), QStringLiteral("14"), QStringLiteral("--category=6")})),
              (QList<qint64>{6, 14}));
    const QJsonObject all = junkJson({QStringLiteral("--all")});
    EXPECT_EQ(groupIDs(all), (QList<qint64>{0, 1, 2, 3, 10, 6, 8, 14, 7}));
    EXPECT_EQ(itemPaths(group(all, 14)), QStringList{"home/.npm/_cacache/index-v5"});
}

TEST_F(JunkCommand, MacosLayoutLeavesIOSGroupsUnmarked)
{
    tree.file(QStringLiteral("home/Library/iTunes/iPhone Software Updates/fw.ipsw"), 400);
    tree.file(QStringLiteral("home/Library/Application Support/MobileSync/Backup/dev/Manifest.db"), 60);
    const QJsonObject result = junkJson({QStringLiteral("--layout"), QStringLiteral("macos")});
    EXPECT_EQ(groupIDs(result), (QList<qint64>{0, 1, 2, 3, 10, 9, 13, 12, 6, 8, 7}));
    for (qint64 id : {12, 13}) {
        const QJsonObject g = group(result, id);
        EXPECT_EQ(g.value(QStringLiteral("isGroupDelFlag")).toInteger(), 0) << id;
        EXPECT_FALSE(g.value(QStringLiteral("groupItems")).toArray().first().toObject().value(QStringLiteral("isDel")).toBool());
    }
}

TEST_F(JunkCommand, LayoutFromTheEnvironmentOptionsWin)
{
    tree.file(QStringLiteral("home/Library/Caches/com.foo/x"), 10);
    tree.file(QStringLiteral("home/.cache/bar/x"), 10);
    const QStringList env = {QStringLiteral("SWEEPWRIGHT_LAYOUT=macos"), QStringLiteral("SWEEPWRIGHT_HOME=") + home,
                             QStringLiteral("SWEEPWRIGHT_ROOT=") + root};
    const CliRun mac = cli({QStringLiteral("junk"), QStringLiteral("--json"), QStringLiteral("--category=0")}, env);
    EXPECT_TRUE(mac.out.contains("Library/Caches/com.foo")) << mac.out.toStdString();
    const CliRun fd = cli({QStringLiteral("junk"), QStringLiteral("--json"), QStringLiteral("--category=0"),
                           QStringLiteral("--layout=freedesktop")},
                          env);
    EXPECT_TRUE(fd.out.contains(".cache/bar")) << fd.out.toStdString();
}

// Each item by whose it is, then its full path.
TEST_F(JunkCommand, TableForPeopleAndNoProgressLineWhenNotATerminal)
{
    plantFreedesktopHome();
    const QString chat = tree.file(QStringLiteral("home/.var/app/com.example.Chat/cache/data.bin"), 30);
    const CliRun run = cli({QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root});
    EXPECT_EQ(run.code, 0);
    const QString out = QString::fromLocal8Bit(run.out);
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("Downloads +700 B  none marked")))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("\\[x\\] +30 B  Chat \u203A data\\.bin +")
                                                + QRegularExpression::escape(chat) + QLatin1Char('\n'))))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Found "))) << out.toStdString();
    EXPECT_FALSE(run.err.contains('\r'));
    EXPECT_FALSE(run.err.contains("Scanning"));
}

TEST_F(JunkCommand, SettingsStoreIsNeitherReadNorWritten)
{
    tree.file(QStringLiteral("home/.cache/app/x"), 10);
    tree.text(QStringLiteral("config/Sweepwright/Sweepwright.conf"), "[General]\napplication%20junks=false\n");
    const QJsonObject result = junkJson({});
    EXPECT_EQ(itemPaths(group(result, 0)), QStringList{"home/.cache/app"});
    EXPECT_EQ(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"Sweepwright"});
    EXPECT_EQ(QDir(config + QStringLiteral("/Sweepwright")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Sweepwright.conf"});
    EXPECT_FALSE(tree.exists(QStringLiteral("config/autostart")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.config/autostart")));
}

TEST_F(JunkCommand, OddFileNamesSurviveTheJson)
{
    const QString odd = QStringLiteral(u"a \"quoted\" back\\slash\nnew line\ttab\x01 \u00e9\u4e2d.bin");
    const QString path = tree.file(QStringLiteral("home/Downloads/") + odd, 10);
    const QJsonObject result = junkJson({QStringLiteral("--category=8")});
    const QJsonArray items = group(result, 8).value(QStringLiteral("groupItems")).toArray();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items.first().toObject().value(QStringLiteral("itemPath")).toString(), path);
}

// --- cleaning --------------------------------------------------------------------

TEST_F(JunkCommand, CleanRemovesWhatIsMarkedAndReportsTheBytesThatWent)
{
    plantFreedesktopHome();
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const QJsonObject result = junkJson({QStringLiteral("--clean"), QStringLiteral("--yes")});
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    // Found and removed are measured alike, and what went is what was marked
    // (all but the Trash and the Downloads, which start unmarked here).
    const qint64 trash = group(result, 6).value(QStringLiteral("groupSize")).toInteger();
    EXPECT_GT(trash, 0);
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(),
              result.value(QStringLiteral("junkTotalSize")).toInteger() - 700 - trash);
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after));
    EXPECT_EQ(result.value(QStringLiteral("failures")).toArray().size(), 0);
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.cache/app")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/app/sub")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/loose.bin")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.local/share/Trash/files/old")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.local/share/Trash/info/old.trashinfo")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Downloads/setup.iso")));
    EXPECT_FALSE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.npm/_cacache/index-v5/i")));     // category off
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/debconf/config.dat")));  // protected
}

// A category that starts unmarked is emptied when the user names it.
TEST_F(JunkCommand, NamingTheTrashCategoryEmptiesIt)
{
    plantFreedesktopHome();
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const QJsonObject result = junkJson({QStringLiteral("--category=6"), QStringLiteral("--clean"), QStringLiteral("--yes")});
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    const QStringList whole{tree.path(QStringLiteral("home/.local/share/Trash/files/old"))};
    EXPECT_EQ(before.vanished(after).size(), 3);  // the folder, its file and its info file
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after, whole));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/Trash/files/old")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/Trash/info/old.trashinfo")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.cache/loose.bin")));
}

TEST_F(JunkCommand, CleanAsksFirstAndDryRunOnlyShowsThePlan)
{
    plantFreedesktopHome();
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    // Nobody to ask and no --yes: the plan is printed and nothing goes.
    const QJsonObject refused = junkJson({QStringLiteral("--clean")}, 2);
    EXPECT_EQ(refused.value(QStringLiteral("plan")).toArray().size(), 3);
    EXPECT_FALSE(refused.contains(QStringLiteral("delSize")));
    const QJsonObject plan = junkJson({QStringLiteral("--dry-run")});
    // The Trash and the Downloads start unmarked.
    EXPECT_EQ(plan.value(QStringLiteral("planSize")).toInteger(),
              plan.value(QStringLiteral("junkTotalSize")).toInteger() - 700
                  - group(plan, 6).value(QStringLiteral("groupSize")).toInteger());
    EXPECT_EQ(plan.value(QStringLiteral("plan")).toArray().size(), 3);
    EXPECT_FALSE(plan.contains(QStringLiteral("delSize")));
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
}

// Ctrl-C once the first of 20 folders of a cache is gone: the removal stops
// within the folder it is emptying, and the report counts exactly the bytes
// that went.
TEST_F(JunkCommand, InterruptDuringCleanStopsAndReportsWhatWent)
{
    constexpr int kFolders = 20;
    const QString app = tree.folder(QStringLiteral("home/.cache/app"));
    for (int d = 0; d < kFolders; ++d) {
        const QByteArray folder = QFile::encodeName(tree.folder(QStringLiteral("home/.cache/app/d%1").arg(d)));
        for (int f = 0; f < 200; ++f) {
            const int fd = ::open((folder + "/f" + QByteArray::number(f)).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::write(fd, "0123456789", 10), 10);
            ::close(fd);
        }
    }
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(app);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SWEEPWRIGHT_CLI),
                  {QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root,
                   QStringLiteral("--json"), QStringLiteral("--category=0"), QStringLiteral("--clean"),
                   QStringLiteral("--yes")});
    ASSERT_TRUE(process.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    while (QDir(app).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() == kFolders && clock.elapsed() < 60000
           && process.state() == QProcess::Running)
        QThread::msleep(5);
    ASSERT_EQ(process.state(), QProcess::Running) << "the removal ended before it could be interrupted";
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_TRUE(process.readAllStandardError().contains("sweepwright-cli: cancelled"));
    const QJsonObject result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(app);
    EXPECT_GT(QDir(app).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 0) << "nothing was left";
    EXPECT_GT(result.value(QStringLiteral("delSize")).toInteger(), 0);
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after));
}

TEST_F(JunkCommand, CleanLeavesUnmarkedIOSBackups)
{
    tree.file(QStringLiteral("home/Library/iTunes/iPhone Software Updates/fw.ipsw"), 400);
    tree.file(QStringLiteral("home/Library/Application Support/MobileSync/Backup/dev/Manifest.db"), 60);
    const QJsonObject result = junkJson({QStringLiteral("--layout=macos"), QStringLiteral("--clean"), QStringLiteral("--yes")});
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 400);
    EXPECT_FALSE(tree.exists(QStringLiteral("home/Library/iTunes/iPhone Software Updates/fw.ipsw")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Library/Application Support/MobileSync/Backup/dev/Manifest.db")));
}

TEST_F(JunkCommand, FailedRemovalIsReportedOnStderrWithExitStatusOne)
{
    tree.file(QStringLiteral("root/var/log/syslog.1"), 20);
    tree.file(QStringLiteral("home/.cache/a.bin"), 5);
    const swtest::RemovalBlocker blocker(tree.path(QStringLiteral("root/var/log/syslog.1")));
    if (!blocker.blocked())
        GTEST_SKIP() << "cannot make a removal fail on this file system";
    const CliRun run = cli({QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root,
                            QStringLiteral("--json"), QStringLiteral("--clean"), QStringLiteral("--yes")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Fail to remove junk, error=")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("syslog.1")) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 5);
    EXPECT_EQ(result.value(QStringLiteral("failedItems")).toInteger(), 1);
    EXPECT_EQ(result.value(QStringLiteral("failedSize")).toInteger(), 20);
    const QJsonObject failure = result.value(QStringLiteral("failures")).toArray().at(0).toObject();
    EXPECT_EQ(failure.value(QStringLiteral("path")).toString(), tree.path(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/a.bin")));
}

// --- hostile trees ------------------------------------------------------------------

// Roots that lead where no category may look, side by side with ordinary
// junk: a clean of every category takes only what was listed, and reports
// exactly the bytes that went.
TEST_F(JunkCommand, CleaningBesideHostileRootsTakesOnlyWhatWasListed)
{
    tree.file(QStringLiteral("home/Documents/thesis.odt"), 500);
    tree.file(QStringLiteral("home/Pictures/cat.png"), 300);
    tree.file(QStringLiteral("elsewhere/cache/app/blob"), 40);           // a cache on another disk: fine
    tree.link(QStringLiteral("home/.cache"), tree.path(QStringLiteral("elsewhere/cache")));
    tree.link(QStringLiteral("home/.npm/_cacache"), home);               // leads to the home
    tree.text(QStringLiteral("home/.config/user-dirs.dirs"), "XDG_DOWNLOAD_DIR=\"$HOME/Pictures\"\n");
    const QString tmp = tree.folder(QStringLiteral("root/tmp"));
    ::chmod(QFile::encodeName(tmp).constData(), 01777);
    const QString login = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name);
    tree.link(QStringLiteral("root/tmp/mozilla_%1%2").arg(login).arg(0), tree.path(QStringLiteral("home/Documents")));
    ::mknod(QFile::encodeName(tree.folder(QStringLiteral("elsewhere/cache/nodes")) + "/null").constData(),
            S_IFCHR | 0600, makedev(1, 3));
    tree.file(QStringLiteral("home/.local/share/Trash/files/t"), 7);
    tree.text(QStringLiteral("home/.local/share/Trash/info/gone.trashinfo"), "[Trash Info]\nPath=/x/gone\n");
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const QJsonObject result = junkJson(
        {QStringLiteral("--all"), QStringLiteral("--category=6"), QStringLiteral("--clean"), QStringLiteral("--yes")});
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());

    QStringList listed, whole;
    for (const QJsonValue &g : result.value(QStringLiteral("junkGroups")).toArray())
        for (const QJsonValue &i : g.toObject().value(QStringLiteral("groupItems")).toArray()) {
            listed << i.toObject().value(QStringLiteral("itemPath")).toString();
            if (g.toObject().value(QStringLiteral("groupID")).toInteger() == 6)
                whole << listed.constLast();
        }
    // Where the listed path runs through the cache link, what went is its target.
    for (QString &path : listed)
        path.replace(home + QStringLiteral("/.cache"), tree.path(QStringLiteral("elsewhere/cache")));
    listed << tree.path(QStringLiteral("home/.local/share/Trash/info/t.trashinfo"));
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(swtest::TreeSnapshot::isUnder(gone, listed)) << gone.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after, whole));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Documents/thesis.odt")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Pictures/cat.png")));
    EXPECT_FALSE(tree.exists(QStringLiteral("elsewhere/cache/app/blob")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/Trash/info/gone.trashinfo")));  // its item was gone
}

// Mounts in a private mount namespace (gone when the run ends): a tmpfs and a
// bind mount of the user's documents inside a cache folder. The cleaner must
// leave both alone and say so.
TEST_F(JunkCommand, MountsInsideACacheFolderAreLeftAloneAndReported)
{
    tree.file(QStringLiteral("home/.cache/app/a"), 10);
    const QString tmpfs = tree.folder(QStringLiteral("home/.cache/app/ram"));
    const QString bound = tree.folder(QStringLiteral("home/.cache/app/docs"));
    const QString documents = tree.folder(QStringLiteral("home/Documents"));
    tree.file(QStringLiteral("home/Documents/thesis.odt"), 500);
    const QString script = QStringLiteral(
        "mount -t tmpfs tmpfs \"$1\" && echo x > \"$1/scratch\" && mount --bind \"$2\" \"$3\" || exit 77; "
        "shift 3; exec \"$@\"");
    const CliRun run = swtest::runCli(
        {QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root, QStringLiteral("--json"),
         QStringLiteral("--category"), QStringLiteral("0"), QStringLiteral("--clean"), QStringLiteral("--yes")},
        config, QString(), {},
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), tmpfs, documents, bound});
    if (run.code == 77 || run.code == -1 || run.err.contains("unshare"))
        GTEST_SKIP() << "mounting is not permitted here: " << run.err.toStdString();
    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Documents/thesis.odt")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/app/a")));
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    QStringList failed;
    for (const QJsonValue &f : result.value(QStringLiteral("failures")).toArray())
        failed << f.toObject().value(QStringLiteral("path")).toString();
    failed.sort();
    EXPECT_EQ(failed, (QStringList{bound, tmpfs}));
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 10);
}

// Regression: a cache root that led to ROOT/etc through a bind mount (here a
// link to the mount) was judged by its path text, and ROOT/etc was emptied.
// The mount exists only in the command's own mount namespace.
TEST_F(JunkCommand, CacheRootReachingAProtectedFolderThroughABindMountIsLeftAlone)
{
    tree.file(QStringLiteral("root/etc/passwd"), 20);
    tree.file(QStringLiteral("root/etc/ssh/sshd_config"), 30);
    const QString bind = tree.folder(QStringLiteral("mounts/all"));
    tree.link(QStringLiteral("home/.cache"), bind + QStringLiteral("/root/etc"));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    const CliRun run = swtest::runCli(
        {QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root, QStringLiteral("--json"),
         QStringLiteral("--category"), QStringLiteral("0"), QStringLiteral("--clean"), QStringLiteral("--yes")},
        config, QString(), {},
        {QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
         QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("mount --bind \"$1\" \"$2\" || exit 77; shift 2; exec \"$@\""),
         QStringLiteral("sh"), tree.root(), bind});
    if (run.code == 77 || run.code == -1 || run.err.contains("unshare"))
        GTEST_SKIP() << "mounting is not permitted here: " << run.err.toStdString();
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.root()).entries(), before.entries());
    EXPECT_TRUE(run.err.contains("it is a protected system folder")) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(itemPaths(group(result, 0)), QStringList());
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 0);
}

// Another user who may write in a cache folder swaps one of its folders with a
// link to the home, over and over, while --clean runs.
TEST_F(JunkCommand, FolderSwappedForALinkToTheHomeWhileCleaningIsNeverFollowed)
{
    for (int i = 0; i < 50; ++i)
        tree.file(QStringLiteral("home/Documents/d%1").arg(i), 100 + i);
    for (int i = 0; i < 400; ++i)
        tree.file(QStringLiteral("home/.cache/app/sub/s%1/f%2").arg(i % 40).arg(i), 1 + i);
    const QByteArray sub = QFile::encodeName(tree.path(QStringLiteral("home/.cache/app/sub")));
    const QByteArray lnk = QFile::encodeName(tree.link(QStringLiteral("home/.cache/app/lnk"), home));
    const swtest::TreeSnapshot documents = swtest::TreeSnapshot::of(tree.path(QStringLiteral("home/Documents")));
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.path(QStringLiteral("home/.cache")));
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        QElapsedTimer clock;
        clock.start();
        while (!stop.load() && clock.elapsed() < 20000)
            ::renameat2(AT_FDCWD, sub.constData(), AT_FDCWD, lnk.constData(), RENAME_EXCHANGE);
    });
    const QJsonObject result = junkJson({QStringLiteral("--category"), QStringLiteral("0"), QStringLiteral("--clean"),
                                         QStringLiteral("--yes")},
                                        kAnyCode);
    stop = true;
    swapper.join();
    struct stat st;
    if (::lstat(lnk.constData(), &st) == 0 && S_ISDIR(st.st_mode))  // names back where the swaps left them
        ::lstat(sub.constData(), &st) == 0 ? ::renameat2(AT_FDCWD, sub.constData(), AT_FDCWD, lnk.constData(), RENAME_EXCHANGE)
                                          : ::rename(lnk.constData(), sub.constData());
    EXPECT_EQ(swtest::TreeSnapshot::of(tree.path(QStringLiteral("home/Documents"))).entries(), documents.entries());
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.path(QStringLiteral("home/.cache")));
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after));
}

// Run as an ordinary user: system caches only root may remove are listed
// for an administrator, left alone by --clean and reported as skipped; with
// --admin one prompt is asked for them (here the stand-in's dialog is
// dismissed) and nothing else is asked.
TEST_F(JunkCommand, ItemsOnlyAnAdministratorMayRemoveNeedAdmin)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "becoming another user needs root";
    constexpr uid_t kNobody = 65534;
    tree.file(QStringLiteral("root/var/cache/apt/archives/a.deb"), 100);
    tree.file(QStringLiteral("home/.cache/own/x"), 10);
    const QString standIn = tree.text(QStringLiteral("bin/pkexec"), "#!/bin/sh\nexit 126\n");
    ::chmod(QFile::encodeName(standIn).constData(), 0755);
    for (const QString &path : {tree.root(), tree.path(QStringLiteral("bin"))})
        ::chmod(QFile::encodeName(path).constData(), 0755);
    QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home, config});
    const QStringList asNobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(kNobody),
                               QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups")};
    const QStringList args{QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root,
                           QStringLiteral("--json"), QStringLiteral("--category"), QStringLiteral("0"),
                           QStringLiteral("--category"), QStringLiteral("2"), QStringLiteral("--clean"),
                           QStringLiteral("--yes")};
    const QStringList env{QStringLiteral("SWEEPWRIGHT_PKEXEC=") + standIn};
    const CliRun plain = swtest::runCli(args, config, QString(), env, asNobody);
    EXPECT_EQ(plain.code, 0) << plain.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(plain.out).object();
    EXPECT_EQ(result.value(QStringLiteral("skipped")).toArray(),
              QJsonArray{tree.path(QStringLiteral("root/var/cache/apt"))});
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/apt/archives/a.deb")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.cache/own/x")));

    const CliRun admin = swtest::runCli(args + QStringList{QStringLiteral("--admin")}, config, QString(), env, asNobody);
    EXPECT_EQ(admin.code, 1) << admin.err.toStdString();
    const QJsonArray failures = QJsonDocument::fromJson(admin.out).object().value(QStringLiteral("failures")).toArray();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].toObject().value(QStringLiteral("reason")).toString().contains(QStringLiteral("cancelled")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/apt/archives/a.deb")));
}

// --- the scheduled run ---------------------------------------------------------------

// Run as an ordinary user with the categories chosen for the schedule: a
// root-owned folder in a system cache folder the user owns is left and
// reported, with no password asked (the stand-in pkexec would log a call);
// the category the schedule leaves out is not touched; without a session
// bus the notification is left out and nothing waits for it.
TEST_F(JunkCommand, ScheduledRunSkipsWhatNeedsAPasswordAndWhatIsKeptAndAsksForNone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "becoming another user needs root";
    constexpr uid_t kNobody = 65534;
    tree.file(QStringLiteral("root/var/cache/apt/archives/a.deb"), 100);
    tree.file(QStringLiteral("home/.cache/own/x"), 10);
    tree.file(QStringLiteral("root/var/log/syslog.1"), 20);
    // Kept by the Never touch list, which a scheduled run honours too.
    tree.file(QStringLiteral("home/.cache/kept/y"), 30);
    tree.text(QStringLiteral("config/Sweepwright/Sweepwright.conf"),
              "[General]\nscheduleCategories=0 2\nneverTouch=" + QFile::encodeName(tree.path(QStringLiteral("home/.cache/kept")))
                  + "\n");
    const QString log = tree.path(QStringLiteral("pkexec.log"));
    const QString standIn = tree.text(QStringLiteral("bin/pkexec"), "#!/bin/sh\necho \"$*\" >> '" + QFile::encodeName(log) + "'\nexit 126\n");
    ::chmod(QFile::encodeName(standIn).constData(), 0755);
    for (const QString &path : {tree.root(), tree.path(QStringLiteral("bin"))})
        ::chmod(QFile::encodeName(path).constData(), 0755);
    QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home, config});
    QProcess::execute(QStringLiteral("chown"), {QStringLiteral("65534:65534"), tree.path(QStringLiteral("root/var/cache"))});
    const QStringList asNobody{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(kNobody),
                               QStringLiteral("--regid=%1").arg(kNobody), QStringLiteral("--clear-groups")};
    const QStringList args{QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"), root,
                           QStringLiteral("--json"), QStringLiteral("--clean"), QStringLiteral("--yes"),
                           QStringLiteral("--profile"), QStringLiteral("scheduled")};
    const QStringList env{QStringLiteral("SWEEPWRIGHT_PKEXEC=") + standIn,
                          QStringLiteral("DBUS_SESSION_BUS_ADDRESS=unix:path=") + tree.path(QStringLiteral("no-bus"))};
    const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(tree.root());
    QElapsedTimer clock;
    clock.start();
    const CliRun run = swtest::runCli(args, config, QString(), env, asNobody);
    EXPECT_LT(clock.elapsed(), 30000);
    const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(tree.root());
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(groupIDs(result), (QList<qint64>{0, 2}));
    EXPECT_EQ(result.value(QStringLiteral("skipped")).toArray(),
              QJsonArray{tree.path(QStringLiteral("root/var/cache/apt"))});
    EXPECT_EQ(before.vanished(after), QStringList{tree.path(QStringLiteral("home/.cache/own/x"))});
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), before.bytesGone(after));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/syslog.1")));
    EXPECT_FALSE(QFile::exists(log)) << "a password was asked for";
}

// The end of a scheduled run is told on the desktop: what went and what
// could not go, with no click offered (nobody is there to answer it).
TEST_F(JunkCommand, ScheduledRunEndsWithANotificationOfWhatWent)
{
    tree.file(QStringLiteral("home/.cache/one/x"), 1500);
    tree.file(QStringLiteral("home/.cache/two/y"), 500);
    tree.file(QStringLiteral("home/Downloads/kept.iso"), 700);
    swtest::NotificationsStandIn service;
    ASSERT_TRUE(service.start());
    const QJsonObject result = junkJson({QStringLiteral("--clean"), QStringLiteral("--yes"),
                                         QStringLiteral("--profile=scheduled")});
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 2000);
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Downloads/kept.iso")));
    const QList<swtest::NotificationsStandIn::Notification> shown = service.shown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().summary, QStringLiteral("Junk files cleaned"));
    EXPECT_EQ(shown.first().body, QStringLiteral("Removed 2 items, 2 kB."));
    EXPECT_TRUE(shown.first().actions.isEmpty());
}

}  // namespace
