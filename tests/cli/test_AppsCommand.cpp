// sweepwright-cli apps, run as a program on fixture trees of both layouts.

#include "CliRunner.h"
#include "FixtureTree.h"
#include "TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using swtest::CliRun;
using swtest::TreeSnapshot;

class AppsCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        root = tree.folder(QStringLiteral("root"));
        home = tree.folder(QStringLiteral("home"));
    }

    CliRun cli(const QString &layout, const QStringList &args) const
    {
        return swtest::runCli(QStringList{QStringLiteral("apps"), QStringLiteral("--layout"), layout,
                                          QStringLiteral("--root"), root, QStringLiteral("--home"), home}
                                  + args,
                              tree.path(QStringLiteral("config")));
    }

    QJsonObject json(const QString &layout, const QStringList &args = {}, int expectedCode = 0) const
    {
        const CliRun run = cli(layout, QStringList{QStringLiteral("--json")} + args);
        EXPECT_EQ(run.code, expectedCode) << run.err.toStdString();
        QJsonParseError error{};
        const QJsonObject object = QJsonDocument::fromJson(run.out, &error).object();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
        return object;
    }

    // A bundle below ROOT/Applications with its Info.plist and some content.
    void bundle(const QString &name, const QByteArray &identifier) const
    {
        const QString rel = QStringLiteral("root/Applications/") + name + QStringLiteral(".app/Contents/");
        tree.text(rel + QStringLiteral("Info.plist"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                  "<key>CFBundleIdentifier</key><string>"
                      + identifier + "</string><key>CFBundleName</key><string>" + name.toUtf8()
                      + "</string></dict></plist>\n");
        tree.file(rel + QStringLiteral("MacOS/bin"), 300);
    }

    // Group name -> item paths relative to the tree.
    QMap<QString, QStringList> listing(const QJsonObject &result) const
    {
        QMap<QString, QStringList> out;
        for (const QJsonValue &g : result.value("appGroups").toArray()) {
            QStringList paths;
            for (const QJsonValue &i : g.toObject().value("groupItems").toArray())
                paths.append(i.toObject().value("itemPath").toString().mid(tree.root().size() + 1));
            paths.sort();
            out.insert(g.toObject().value("groupName").toString(), paths);
        }
        return out;
    }

    swtest::FixtureTree tree;
    QString root;
    QString home;
};

TEST_F(AppsCommand, JsonListsEachApplicationWithItsLeftoversInBothLayouts)
{
    bundle(QStringLiteral("Foo"), "org.foo");
    bundle(QStringLiteral("Bar"), "org.bar");
    tree.file(QStringLiteral("home/Library/Caches/org.foo/c"), 40);
    tree.file(QStringLiteral("home/Library/Preferences/org.foo.plist"), 7);

    const QJsonObject mac = json(QStringLiteral("macos"));
    EXPECT_EQ(mac.keys(), (QStringList{"appGroups", "appTotalSize"}));
    EXPECT_EQ(listing(mac), (QMap<QString, QStringList>{
                                {QStringLiteral("Bar"), {QStringLiteral("root/Applications/Bar.app")}},
                                {QStringLiteral("Foo"),
                                 {QStringLiteral("home/Library/Caches/org.foo"),
                                  QStringLiteral("home/Library/Preferences/org.foo.plist"),
                                  QStringLiteral("root/Applications/Foo.app")}}}));
    qint64 total = 0;
    for (const QJsonValue &g : mac.value("appGroups").toArray()) {
        const QJsonObject group = g.toObject();
        EXPECT_EQ(group.keys(), (QStringList{"groupItems", "groupName", "groupSize"}));
        qint64 sum = 0;
        for (const QJsonValue &i : group.value("groupItems").toArray()) {
            EXPECT_EQ(i.toObject().keys(), (QStringList{"itemPath", "itemSize"}));
            sum += i.toObject().value("itemSize").toInteger();
            if (i.toObject().value("itemPath").toString().endsWith(QLatin1String("org.foo.plist"))) {
                EXPECT_EQ(i.toObject().value("itemSize").toInteger(), 7);
            }
        }
        EXPECT_EQ(group.value("groupSize").toInteger(), sum);
        total += sum;
    }
    EXPECT_GT(total, 2 * 300 + 47);
    EXPECT_EQ(mac.value("appTotalSize").toInteger(), total);

    tree.file(QStringLiteral("home/Applications/Viewer.AppImage"), 50);
    tree.file(QStringLiteral("home/.config/Viewer/s"), 3);
    const QJsonObject free = json(QStringLiteral("freedesktop"));
    EXPECT_EQ(listing(free).value(QStringLiteral("Viewer")),
              (QStringList{QStringLiteral("home/.config/Viewer"), QStringLiteral("home/Applications/Viewer.AppImage")}));
}

TEST_F(AppsCommand, RemoveTakesExactlyTheNamedApplicationAndOnlyWhenConfirmed)
{
    bundle(QStringLiteral("Foo"), "org.foo");
    bundle(QStringLiteral("Bar"), "org.bar");
    tree.file(QStringLiteral("outside/keep/data"), 50);
    tree.link(QStringLiteral("home/Library/Caches/Foo"), tree.path(QStringLiteral("outside/keep")));
    tree.file(QStringLiteral("home/Library/Application Support/Foo/db"), 20);
    tree.file(QStringLiteral("home/Library/Caches/Bar/c"), 9);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const QString foo = tree.path(QStringLiteral("root/Applications/Foo.app"));

    // Nobody to confirm: the plan, exit 2; --dry-run: the plan; an unknown
    // name: a usage error. None of them touches anything.
    const CliRun refused = cli(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.out.contains("Would remove: " + QFile::encodeName(foo))) << refused.out.toStdString();
    EXPECT_EQ(refused.out.count("Would remove: "), 3) << refused.out.toStdString();
    const QJsonObject plan =
        json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo"), QStringLiteral("--dry-run")});
    EXPECT_EQ(plan.value("plan").toArray().size(), 3);
    EXPECT_FALSE(plan.contains("delSize"));
    const CliRun unknown = cli(QStringLiteral("macos"),
                               {QStringLiteral("--remove"), QStringLiteral("foo"), QStringLiteral("--yes")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains("foo")) << unknown.err.toStdString();
    EXPECT_TRUE(before.vanished(TreeSnapshot::of(tree.root())).isEmpty());

    const QJsonObject done =
        json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo"), QStringLiteral("--yes")});
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    const QStringList items{foo, tree.path(QStringLiteral("home/Library/Caches/Foo")),
                            tree.path(QStringLiteral("home/Library/Application Support/Foo"))};
    for (const QString &path : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(path, items)) << path.toStdString();
    for (const QString &item : items)
        EXPECT_FALSE(swtest::FixtureTree::existsAt(item)) << item.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/keep/data")));
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(done.value("delSize").toInteger(), before.bytesGone(after, items));
    EXPECT_EQ(done.value("failed").toArray(), QJsonArray());
}

}  // namespace
