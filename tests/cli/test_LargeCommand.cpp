// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli large, run as a program.

#include "core/foundation/ORUtility.h"
#include "FinderCliSupport.h"
#include "RemovalBlocker.h"

#include <QJsonArray>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

using swtest::sparseFile;

namespace {

constexpr qint64 MiB = 1024 * 1024;

class LargeCommand : public swtest::FinderCli
{
};

TEST_F(LargeCommand, JsonListsTheBandsWithTheirItems)
{
    const QString a = sparseFile(tree, QStringLiteral("films/a.mkv"), 40 * MiB);
    const QString b = sparseFile(tree, QStringLiteral("films/sub/b \"c\".iso"), 2048 * MiB);
    sparseFile(tree, QStringLiteral("films/c.db"), 40 * MiB);
    const QJsonObject result = json(QStringLiteral("large"), {tree.path(QStringLiteral("films"))});
    EXPECT_EQ(result.keys(), (QStringList{"bigGroups", "bigTotalSize"}));
    EXPECT_EQ(result.value("bigTotalSize").toInteger(), 2088 * MiB);
    const QJsonArray groups = result.value("bigGroups").toArray();
    ASSERT_EQ(groups.size(), 2);
    const QJsonObject first = groups[0].toObject();
    EXPECT_EQ(first.keys(), (QStringList{"bigID", "groupItems", "groupName", "groupSize"}));
    EXPECT_EQ(first.value("bigID").toInteger(), 4);
    EXPECT_EQ(first.value("groupName").toString(), QStringLiteral("32 MB to 128 MB"));
    EXPECT_EQ(first.value("groupSize").toInteger(), 40 * MiB);
    const QJsonObject item = first.value("groupItems").toArray()[0].toObject();
    EXPECT_EQ(item.keys(), (QStringList{"itemModDate", "itemModTime", "itemPath", "itemSize"}));
    EXPECT_EQ(item.value("itemModTime").toString(),
              QFileInfo(a).lastModified().toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")));
    EXPECT_EQ(item.value("itemPath").toString(), a);
    EXPECT_EQ(item.value("itemSize").toInteger(), 40 * MiB);
    EXPECT_EQ(item.value("itemModDate").toString(), QStringLiteral("today"));
    EXPECT_EQ(groups[1].toObject().value("groupItems").toArray()[0].toObject().value("itemPath").toString(), b);
}

TEST_F(LargeCommand, NoFolderMeansTheLayoutsDefaults)
{
    sparseFile(tree, QStringLiteral("home/Documents/a.pdf"), 40 * MiB);
    sparseFile(tree, QStringLiteral("home/Videos/b.mkv"), 40 * MiB);
    sparseFile(tree, QStringLiteral("home/Movies/c.mov"), 40 * MiB);
    auto paths = [](const QJsonObject &result) {
        QStringList out;
        for (const auto &g : result.value("bigGroups").toArray())
            for (const auto &i : g.toObject().value("groupItems").toArray())
                out << i.toObject().value("itemPath").toString().section(QLatin1Char('/'), -2);
        return out;
    };
    EXPECT_EQ(paths(json(QStringLiteral("large"), {})), (QStringList{"Documents/a.pdf", "Videos/b.mkv"}));
    EXPECT_EQ(paths(json(QStringLiteral("large"), {QStringLiteral("--layout"), QStringLiteral("macos")})),
              (QStringList{"Documents/a.pdf", "Movies/c.mov"}));
}

TEST_F(LargeCommand, TrashMovesEveryListedFileIntoAHomeWithoutLocalShare)
{
    sparseFile(tree, QStringLiteral("films/a.mkv"), 40 * MiB);
    sparseFile(tree, QStringLiteral("films/b.mkv"), 300 * MiB);
    sparseFile(tree, QStringLiteral("films/small.mkv"), 1 * MiB);
    // Without --yes and with nobody to ask, nothing moves but the plan is
    // shown; --dry-run only shows.
    const swtest::CliRun refused = cli({QStringLiteral("large"), tree.path(QStringLiteral("films")),
                                        QStringLiteral("--trash"), QStringLiteral("--home"), home});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains("--yes")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.contains("Would move to the Trash: " + QFile::encodeName(tree.path(QStringLiteral("films/b.mkv")))))
        << refused.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(trashFiles()));
    const QJsonObject plan = json(QStringLiteral("large"), {tree.path(QStringLiteral("films")), QStringLiteral("--dry-run")});
    EXPECT_EQ(plan.value("plan").toArray().size(), 2);
    EXPECT_FALSE(plan.contains("delSize"));
    EXPECT_TRUE(tree.exists(QStringLiteral("films/a.mkv")));
    const QJsonObject result = json(QStringLiteral("large"), {tree.path(QStringLiteral("films")), QStringLiteral("--trash"),
                                                              QStringLiteral("--yes")});
    EXPECT_EQ(result.value("delSize").toInteger(), 340 * MiB);
    EXPECT_EQ(result.value("removed").toArray().size(), 2);
    EXPECT_EQ(result.value("failures").toArray().size(), 0);
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + QStringLiteral("/a.mkv")));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + QStringLiteral("/b.mkv")));
    EXPECT_TRUE(tree.exists(QStringLiteral("films/small.mkv")));
    EXPECT_FALSE(tree.exists(QStringLiteral("films/a.mkv")));
}

TEST_F(LargeCommand, RelativeFolderIsTakenFromTheWorkingFolderAndTextNamesWhatMoved)
{
    sparseFile(tree, QStringLiteral("cwd-sibling/a.mkv"), 40 * MiB);
    const swtest::CliRun run = cli({QStringLiteral("large"), QStringLiteral("../cwd-sibling"), QStringLiteral("--trash"),
                                    QStringLiteral("--yes"), QStringLiteral("--home"), home});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("Moved to the Trash: " + QFile::encodeName(tree.path(QStringLiteral("cwd-sibling/a.mkv")))))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(
        QStringLiteral("Moved to the Trash %1 in total.").arg(ORUtility::sizeFormatWithNumber(40 * MiB)).toUtf8()))
        << run.out.toStdString();
}

TEST_F(LargeCommand, HelpAndUsageErrors)
{
    const swtest::CliRun help = cli({QStringLiteral("large"), QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("--trash"));
    EXPECT_TRUE(help.out.contains("--layout"));
    EXPECT_EQ(cli({QStringLiteral("large"), QStringLiteral("--bogus")}).code, 2);
    EXPECT_EQ(cli({QStringLiteral("large"), QStringLiteral("--layout"), QStringLiteral("windows")}).code, 2);
    // A named folder that is missing, is a file or cannot be read is a usage error.
    tree.file(QStringLiteral("a-file"), 10);
    for (const QString &folder : {tree.path(QStringLiteral("nowhere")), tree.path(QStringLiteral("a-file"))}) {
        const swtest::CliRun missing = cli({QStringLiteral("large"), folder, QStringLiteral("--home"), home});
        EXPECT_EQ(missing.code, 2) << folder.toStdString();
        EXPECT_TRUE(missing.err.contains(QFile::encodeName(folder))) << missing.err.toStdString();
        EXPECT_TRUE(missing.out.isEmpty());
    }
}

TEST_F(LargeCommand, ItemThatCannotBeMovedIsNamedAndTheExitStatusIsOne)
{
    const QString a = sparseFile(tree, QStringLiteral("films/a.mkv"), 40 * MiB);
    const QString b = sparseFile(tree, QStringLiteral("films/b.mkv"), 50 * MiB);
    const swtest::RemovalBlocker blocker(b);
    if (!blocker.blocked())
        GTEST_SKIP() << "cannot make a move fail on this file system";
    const QJsonObject result = json(QStringLiteral("large"), {tree.path(QStringLiteral("films")), QStringLiteral("--trash"),
                                                              QStringLiteral("--yes")},
                                    1);
    EXPECT_EQ(result.value("removed").toArray(), QJsonArray{a});
    EXPECT_EQ(result.value("delSize").toInteger(), 40 * MiB);
    EXPECT_EQ(result.value("failedItems").toInteger(), 1);
    EXPECT_EQ(result.value("failedSize").toInteger(), 50 * MiB);
    const QJsonArray failures = result.value("failures").toArray();
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0].toObject().value("path").toString(), b);
    EXPECT_FALSE(failures[0].toObject().value("reason").toString().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(b));
}

// The libraries the program has mapped while it prints its listing: the
// listing overfills a pipe of one page that is read only after the mappings,
// so the program is still alive, past its scan, when they are read.
QByteArray mappingsWhileListing(const QStringList &args, const QString &configDir, QByteArray &listing, int &code)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
    for (const char *name : {"SWEEPWRIGHT_LAYOUT", "SWEEPWRIGHT_ROOT", "SWEEPWRIGHT_HOME", "XDG_DATA_HOME"})
        env.remove(QString::fromLatin1(name));
    std::vector<QByteArray> words{QByteArray(SWEEPWRIGHT_CLI)}, assignments;
    for (const QString &arg : args)
        words.push_back(QFile::encodeName(arg));
    for (const QString &assignment : env.toStringList())
        assignments.push_back(assignment.toLocal8Bit());
    std::vector<char *> argv, envp;
    for (QByteArray &w : words)
        argv.push_back(w.data());
    for (QByteArray &a : assignments)
        envp.push_back(a.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return {};
    ::fcntl(out[1], F_SETPIPE_SZ, 4096);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    pid_t pid = -1;
    const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    QByteArray maps;
    char first = 0;
    if (spawned == 0 && ::read(out[0], &first, 1) == 1) {
        listing.append(first);
        QFile file(QStringLiteral("/proc/%1/maps").arg(pid));
        if (file.open(QIODevice::ReadOnly))
            maps = file.readAll();
    }
    char chunk[65536];
    for (ssize_t n; (n = ::read(out[0], chunk, sizeof chunk)) > 0;)
        listing.append(chunk, n);
    ::close(out[0]);
    int status = 0;
    code = spawned == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return maps;
}

TEST_F(LargeCommand, RunsWithoutAnyGraphicsPdfOrArchiveLibraryLoaded)
{
    // Long names, so the listing is several times the pipe's page.
    for (int i = 0; i < 64; ++i)
        sparseFile(tree, QStringLiteral("films/%1 %2.mkv").arg(QString(120, QLatin1Char('f'))).arg(i), 40 * MiB);
    QByteArray listing;
    int code = -1;
    const QByteArray maps = mappingsWhileListing({QStringLiteral("large"), QStringLiteral("--home"), home,
                                                  QStringLiteral("--json"), tree.path(QStringLiteral("films"))},
                                                 tree.path(QStringLiteral("config")), listing, code);
    EXPECT_EQ(code, 0);
    EXPECT_GT(listing.size(), 3 * 4096);
    ASSERT_TRUE(maps.contains("libQt6Core")) << "the mappings were not read";
    for (const char *library : {"libQt6Gui", "libQt6Widgets", "libfontconfig", "libX11", "libxcb", "libEGL",
                                "libGL", "libpoppler", "libarchive"})
        EXPECT_FALSE(maps.contains(library)) << library << " is loaded";
}

}  // namespace
