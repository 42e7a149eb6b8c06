// sweepwright-cli dups, run as a program.

#include "FinderCliSupport.h"

#include <QJsonArray>

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
    tree.text(QStringLiteral("music/b/Song.MP3"), pattern(1, 50000));
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
    EXPECT_EQ(item.keys(), (QStringList{"itemPath", "itemSize"}));
    EXPECT_EQ(item.value("itemSize").toInteger(), 50000);
    EXPECT_EQ(groups(result), (Groups{{"music/a/Song.MP3", "music/b/Song.MP3"}}));
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

TEST_F(DupsCommand, NoFolderMeansDocumentsAndMusic)
{
    tree.text(QStringLiteral("home/Documents/a.pdf"), pattern(4, 30000));
    tree.text(QStringLiteral("home/Music/a.pdf"), pattern(4, 30000));
    tree.text(QStringLiteral("home/Videos/a.pdf"), pattern(4, 30000));
    EXPECT_EQ(groups(json(QStringLiteral("dups"), {})), (Groups{{"home/Documents/a.pdf", "home/Music/a.pdf"}}));
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

TEST_F(DupsCommand, HelpAndUsageErrors)
{
    const swtest::CliRun help = cli({QStringLiteral("dups"), QStringLiteral("--help")});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("--quick"));
    EXPECT_TRUE(help.out.contains("--trash-all-but-first"));
    EXPECT_EQ(cli({QStringLiteral("dups"), QStringLiteral("--trash")}).code, 2);
}

}  // namespace
