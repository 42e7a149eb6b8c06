// SPDX-License-Identifier: GPL-3.0-or-later
// --older-than DAYS of junk, large and dups, and junk's ages from the settings.

#include "FinderCliSupport.h"
#include "support/TreeSnapshot.h"

#include <QDateTime>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr qint64 kDay = 24 * 60 * 60;

void age(const QString &path, int days)
{
    const timespec when{QDateTime::currentSecsSinceEpoch() - days * kDay, 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW), 0);
}

QStringList itemPaths(const QJsonObject &result, const char *groups, const QString &below)
{
    QStringList paths;
    for (const QJsonValue &g : result.value(QLatin1String(groups)).toArray())
        for (const QJsonValue &item : g.toObject().value(QStringLiteral("groupItems")).toArray())
            paths << item.toObject().value(QStringLiteral("itemPath")).toString().mid(below.size() + 1);
    paths.sort();
    return paths;
}

class OlderThanOption : public swtest::FinderCli
{
protected:
    QString dl(const QString &name, int days)
    {
        const QString path = tree.file(QStringLiteral("home/Downloads/") + name, 1000);
        age(path, days);
        return path;
    }
    QJsonObject junk(const QStringList &args, int code = 0)
    {
        return json(QStringLiteral("junk"), QStringList{QStringLiteral("--root"), tree.folder(QStringLiteral("root")),
                                                        QStringLiteral("--category"), QStringLiteral("8")}
                                                + args,
                    code);
    }
};

TEST_F(OlderThanOption, JunkTakesTheSettingsAgesUnlessTheCommandNamesOne)
{
    dl(QStringLiteral("old"), 40);
    dl(QStringLiteral("new"), 10);
    const QString below = home + QStringLiteral("/Downloads");
    EXPECT_EQ(itemPaths(junk({}), "junkGroups", below), (QStringList{QStringLiteral("new"), QStringLiteral("old")}));
    tree.text(QStringLiteral("config/Sweepwright/Sweepwright.conf"), "[olderThanOn]\ndownload=true\n");
    const QJsonObject ruled = junk({});
    EXPECT_EQ(itemPaths(ruled, "junkGroups", below), QStringList{QStringLiteral("old")});
    EXPECT_EQ(ruled.value(QStringLiteral("junkGroups")).toArray().first()[QStringLiteral("olderThanDays")].toInt(), 30);
    EXPECT_EQ(itemPaths(junk({QStringLiteral("--older-than"), QStringLiteral("5")}), "junkGroups", below),
              (QStringList{QStringLiteral("new"), QStringLiteral("old")}));
}

TEST_F(OlderThanOption, JunkCleanWithTheSettingsAgeRemovesOnlyOldItems)
{
    dl(QStringLiteral("old"), 40);
    dl(QStringLiteral("new"), 10);
    tree.text(QStringLiteral("config/Sweepwright/Sweepwright.conf"),
              "[olderThanOn]\ndownload=true\n[olderThanDays]\ndownload=20\n");
    const auto before = swtest::TreeSnapshot::of(tree.root());
    const QJsonObject result = junk({QStringLiteral("--clean"), QStringLiteral("--yes")});
    const auto after = swtest::TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), QStringList{home + QStringLiteral("/Downloads/old")});
    EXPECT_EQ(result.value(QStringLiteral("delSize")).toInteger(), 1000);
}

TEST_F(OlderThanOption, LargeListsOnlyOldFiles)
{
    const QString folder = tree.folder(QStringLiteral("home/big"));
    swtest::sparseFile(tree, QStringLiteral("home/big/old.mkv"), 40'000'000);
    swtest::sparseFile(tree, QStringLiteral("home/big/new.mkv"), 40'000'000);
    age(folder + QStringLiteral("/old.mkv"), 100);
    age(folder + QStringLiteral("/new.mkv"), 1);
    const QJsonObject result = json(QStringLiteral("large"), {folder, QStringLiteral("--older-than"), QStringLiteral("30")});
    EXPECT_EQ(itemPaths(result, "bigGroups", folder), QStringList{QStringLiteral("old.mkv")});
}

// Every set is found whole; newer copies stay and are marked, only older
// copies go, and a set of new copies only is not listed.
TEST_F(OlderThanOption, DupsMovesOnlyOldCopies)
{
    const QString folder = tree.folder(QStringLiteral("home/pics"));
    const QByteArray a(50'000, 'a');
    const QByteArray b(50'000, 'b');
    for (const char *name : {"a1", "a2", "a3"})
        tree.text(QStringLiteral("home/pics/") + QLatin1String(name), a);
    for (const char *name : {"b1", "b2"})
        tree.text(QStringLiteral("home/pics/") + QLatin1String(name), b);
    age(folder + QStringLiteral("/a1"), 100);
    age(folder + QStringLiteral("/a2"), 100);
    age(folder + QStringLiteral("/a3"), 2);
    age(folder + QStringLiteral("/b1"), 2);
    age(folder + QStringLiteral("/b2"), 3);
    const QStringList args{folder, QStringLiteral("--older-than"), QStringLiteral("30")};
    const QJsonObject listed = json(QStringLiteral("dups"), args);
    EXPECT_EQ(swtest::dupSets(QJsonDocument(listed).toJson(), folder), QStringList{QStringLiteral("a1 a2 a3")});
    for (const QJsonValue &item : listed[QStringLiteral("dupGroups")][0][QStringLiteral("groupItems")].toArray())
        EXPECT_EQ(item[QStringLiteral("isTooNew")].toBool(), item[QStringLiteral("itemPath")].toString().endsWith(u"a3"));
    const auto before = swtest::TreeSnapshot::of(folder);
    json(QStringLiteral("dups"), args + QStringList{QStringLiteral("--trash-all-but-first"), QStringLiteral("--yes")});
    const auto after = swtest::TreeSnapshot::of(folder);
    EXPECT_EQ(before.vanished(after), (QStringList{folder + QStringLiteral("/a1"), folder + QStringLiteral("/a2")}));
}

TEST_F(OlderThanOption, ValueThatIsNoNumberOfDaysIsAUsageError)
{
    for (const char *bad : {"-1", "soon", "36501", "1.5"}) {
        const swtest::CliRun run = cli({QStringLiteral("large"), QStringLiteral("--home"), home,
                                        QStringLiteral("--older-than"), QLatin1String(bad)});
        EXPECT_EQ(run.code, 2) << bad;
        EXPECT_TRUE(run.err.contains("--older-than")) << run.err.toStdString();
    }
}

}  // namespace
