// SPDX-License-Identifier: GPL-3.0-or-later
// The keep list in every command that lists or removes files: the settings'
// Never touch list and --keep-path, run as a program on a fixture home.

#include "FinderCliSupport.h"
#include "support/TreeSnapshot.h"

#include <QRegularExpression>
#include <QSettings>

using swtest::CliRun;
using swtest::TreeSnapshot;

namespace {

constexpr qint64 MiB = 1024 * 1024;

class KeepPathOption : public swtest::FinderCli
{
protected:
    void keepInSettings(const QStringList &entries) const
    {
        QSettings settings(tree.path(QStringLiteral("config/Sweepwright/Sweepwright.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("neverTouch"), entries);
    }

    // Every itemPath of a JSON report below the tree, sorted.
    QStringList listed(const QByteArray &out) const
    {
        QStringList paths;
        const QJsonObject result = QJsonDocument::fromJson(out).object();
        for (const QString &key : {QStringLiteral("bigGroups"), QStringLiteral("junkGroups"), QStringLiteral("appGroups")})
            for (const QJsonValue &group : result.value(key).toArray())
                for (const QJsonValue &item : group.toObject().value(QStringLiteral("groupItems")).toArray())
                    paths << item.toObject().value(QStringLiteral("itemPath")).toString().mid(tree.root().size() + 1);
        paths.sort();
        return paths;
    }

    // args run in a private mount namespace where each (from, to) pair is bind-mounted.
    CliRun withMounts(const QList<std::pair<QString, QString>> &mounts, const QStringList &args) const
    {
        QString script;
        QStringList words;
        for (const auto &[from, to] : mounts) {
            script += QStringLiteral("mount --bind \"$%1\" \"$%2\" || exit 77; ").arg(words.size() + 1).arg(words.size() + 2);
            words << from << to;
        }
        script += QStringLiteral("shift %1; exec \"$@\"").arg(words.size());
        return swtest::runCli(args, tree.path(QStringLiteral("config")), cwd, {},
                              QStringList{QStringLiteral("unshare"), QStringLiteral("--mount"), QStringLiteral("--propagation"),
                                          QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                                          QStringLiteral("sh")}
                                  + words);
    }
};

// A kept folder named through a link, and mounted elsewhere (whole, and a
// folder inside it), is listed by neither finder.
TEST_F(KeepPathOption, FindersLeaveOutAKeptFolderReachedThroughALinkOrABindMount)
{
    swtest::sparseFile(tree, QStringLiteral("home/films/keep/a.mkv"), 40 * MiB);
    swtest::sparseFile(tree, QStringLiteral("home/films/keep/sub/b.mkv"), 40 * MiB);
    swtest::sparseFile(tree, QStringLiteral("home/films/other/c.mkv"), 40 * MiB);
    tree.link(QStringLiteral("home/films/lnk"), tree.path(QStringLiteral("home/films/keep")));
    const QString whole = tree.folder(QStringLiteral("home/films/mnt"));
    const QString inner = tree.folder(QStringLiteral("home/films/mntsub"));
    const QByteArray picture(20000, 'p');  // above the smallest size the duplicate finder compares
    tree.text(QStringLiteral("home/pics/keep/x.jpg"), picture);
    tree.text(QStringLiteral("home/pics/y.jpg"), picture);
    const QString pics = tree.folder(QStringLiteral("home/pics/mnt"));
    keepInSettings({QStringLiteral("~/films/keep")});
    const QString keep = tree.path(QStringLiteral("home/films/keep"));
    const CliRun large = withMounts({{keep, whole}, {keep + QStringLiteral("/sub"), inner}},
                                    {QStringLiteral("large"), QStringLiteral("--home"), home, QStringLiteral("--json"),
                                     tree.path(QStringLiteral("home/films")), tree.path(QStringLiteral("home/films/lnk"))});
    if (large.code == 77 || large.code == -1 || large.err.contains("unshare"))
        GTEST_SKIP() << "mounting is not permitted here: " << large.err.toStdString();
    EXPECT_EQ(large.code, 0) << large.err.toStdString();
    EXPECT_EQ(listed(large.out), QStringList{QStringLiteral("home/films/other/c.mkv")});

    // The duplicate of y.jpg lies in a folder kept for this run only, and is mounted beside it.
    const QStringList dupsArgs{QStringLiteral("dups"), QStringLiteral("--home"), home, QStringLiteral("--json"),
                               tree.path(QStringLiteral("home/pics"))};
    const CliRun dups = withMounts({{tree.path(QStringLiteral("home/pics/keep")), pics}},
                                   dupsArgs + QStringList{QStringLiteral("--keep-path"), QStringLiteral("../home/pics/keep")});
    EXPECT_EQ(dups.code, 0) << dups.err.toStdString();
    EXPECT_EQ(swtest::dupSets(dups.out, tree.root()), QStringList());
    EXPECT_EQ(swtest::dupSets(withMounts({}, dupsArgs).out, tree.root()),
              QStringList{QStringLiteral("home/pics/keep/x.jpg home/pics/y.jpg")});
}

// Kept caches, and a cache folder holding a file whose name matches a kept
// pattern, are neither listed nor removed; the rest goes.
TEST_F(KeepPathOption, JunkCleanRemovesOnlyWhatNoEntryKeeps)
{
    tree.file(QStringLiteral("home/.cache/app/a"), 10);
    tree.file(QStringLiteral("home/.cache/kept/b"), 20);
    tree.file(QStringLiteral("home/.cache/other/session.keep"), 30);
    tree.file(QStringLiteral("home/.cache/flag/c"), 40);
    keepInSettings({QStringLiteral("~/.cache/kept"), QStringLiteral("*.keep")});
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const CliRun run = cli({QStringLiteral("junk"), QStringLiteral("--home"), home, QStringLiteral("--root"),
                            tree.folder(QStringLiteral("root")), QStringLiteral("--json"), QStringLiteral("--category"),
                            QStringLiteral("0"), QStringLiteral("--keep-path"), tree.path(QStringLiteral("home/.cache/flag")),
                            QStringLiteral("--clean"), QStringLiteral("--yes")});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(listed(run.out), QStringList{QStringLiteral("home/.cache/app")});
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    const QStringList gone{tree.path(QStringLiteral("home/.cache/app"))};
    for (const QString &path : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(path, gone)) << path.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object().value(QStringLiteral("delSize")).toInteger(),
              before.bytesGone(after, gone));
}

// The application is still listed; the leftover the user keeps is not.
TEST_F(KeepPathOption, UninstallerListsTheApplicationButNotAKeptLeftover)
{
    tree.file(QStringLiteral("home/Applications/Viewer.AppImage"), 50);
    tree.file(QStringLiteral("home/.cache/Viewer/c"), 6);
    tree.file(QStringLiteral("home/.config/Viewer/s"), 3);
    const CliRun run = cli({QStringLiteral("apps"), QStringLiteral("--home"), home, QStringLiteral("--root"),
                            tree.folder(QStringLiteral("root")), QStringLiteral("--json"), QStringLiteral("--keep-path"),
                            tree.path(QStringLiteral("home/.config/Viewer"))});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(listed(run.out), (QStringList{QStringLiteral("home/.cache/Viewer"),
                                            QStringLiteral("home/Applications/Viewer.AppImage")}));
}

// Kept items, a folder holding one and a path through a link into a kept
// folder are refused with the reason; only the free file goes.
TEST_F(KeepPathOption, ShredderRefusesKeptItemsWithTheReason)
{
    tree.file(QStringLiteral("home/docs/thesis.odt"), 50);
    tree.file(QStringLiteral("home/projects/notes.txt"), 7);
    tree.file(QStringLiteral("home/free.txt"), 5);
    tree.link(QStringLiteral("home/shortcut"), tree.path(QStringLiteral("home/docs")));
    keepInSettings({QStringLiteral("~/docs"), QStringLiteral("~/projects/notes.txt")});
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const CliRun run = cli({QStringLiteral("shred"), QStringLiteral("--home"), home, QStringLiteral("--yes"),
                            tree.path(QStringLiteral("home/docs/thesis.odt")),
                            tree.path(QStringLiteral("home/shortcut/thesis.odt")), tree.path(QStringLiteral("home/projects")),
                            tree.path(QStringLiteral("home/free.txt"))});
    EXPECT_EQ(run.code, 1) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.err).count(QRegularExpression(QStringLiteral("refused [^\\n]*on your Never touch list"))), 3)
        << run.err.toStdString();
    EXPECT_EQ(before.vanished(TreeSnapshot::of(tree.root())), QStringList{tree.path(QStringLiteral("home/free.txt"))});
}

}  // namespace
