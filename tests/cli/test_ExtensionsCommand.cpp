// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli extensions, run as a program on a fixture tree.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/TreeSnapshot.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using swtest::CliRun;
using swtest::TreeSnapshot;

TEST(ExtensionsCommand, ListsByCategoryAndRemovesOnlyTheNamedItemWhenConfirmed)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString root = tree.folder(QStringLiteral("root"));
    const QString home = tree.folder(QStringLiteral("home"));
    tree.file(QStringLiteral("home/Library/Internet Plug-Ins/X.plugin/Contents/MacOS/x"), 100);
    tree.file(QStringLiteral("home/Library/Internet Plug-Ins/X.plugin/Contents/PlugIns/Y.plugin/y"), 50);
    tree.file(QStringLiteral("root/Library/QuickLook/A.qlgenerator/a"), 10);
    tree.file(QStringLiteral("root/Library/QuickLook/B.qlgenerator/b"), 10);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());

    // Run from the tree, so a relative path (here with a trailing slash) names an item.
    auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("extensions"), QStringLiteral("--layout"),
                                          QStringLiteral("macos"), QStringLiteral("--root"), root,
                                          QStringLiteral("--home"), home, QStringLiteral("--json")}
                                  + args,
                              tree.path(QStringLiteral("config")), tree.root());
    };
    auto parsed = [](const CliRun &r) { return QJsonDocument::fromJson(r.out).object(); };
    const QString a = tree.path(QStringLiteral("root/Library/QuickLook/A.qlgenerator"));
    const QStringList pickA{QStringLiteral("--remove"), QStringLiteral("root/Library/QuickLook/A.qlgenerator/")};

    const CliRun listed = run({});
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    const QJsonObject result = parsed(listed);
    EXPECT_EQ(result.keys(), (QStringList{"extGroups", "extTotalSize"}));
    QMap<qint64, QStringList> names;
    qint64 total = 0;
    for (const QJsonValue &g : result.value("extGroups").toArray()) {
        const QJsonObject group = g.toObject();
        EXPECT_EQ(group.keys(), (QStringList{"groupID", "groupInfo", "groupItems", "groupName", "groupSize"}));
        EXPECT_FALSE(group.value("groupName").toString().isEmpty());
        for (const QJsonValue &i : group.value("groupItems").toArray()) {
            EXPECT_EQ(i.toObject().keys(), (QStringList{"itemName", "itemOwner", "itemPath", "itemProfile", "itemSize"}));
            names[group.value("groupID").toInteger()].append(i.toObject().value("itemName").toString());
            if (i.toObject().value("itemPath").toString() == a) {
                EXPECT_EQ(i.toObject().value("itemSize").toInteger(), 10);
            }
        }
        total += group.value("groupSize").toInteger();
    }
    for (QStringList &list : names)
        list.sort();
    EXPECT_EQ(names, (QMap<qint64, QStringList>{{2, {QStringLiteral("X"), QStringLiteral("Y")}},
                                                {4, {QStringLiteral("A"), QStringLiteral("B")}}}));
    EXPECT_EQ(result.value("extTotalSize").toInteger(), total);

    const CliRun refused = run(pickA);
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(parsed(refused).value("plan").toArray(), QJsonArray{a});
    EXPECT_EQ(run(pickA + QStringList{QStringLiteral("--dry-run")}).code, 0);
    EXPECT_EQ(run({QStringLiteral("--remove"), tree.path(QStringLiteral("root/Library/QuickLook")),
                   QStringLiteral("--yes")})
                  .code,
              2);
    EXPECT_TRUE(before.vanished(TreeSnapshot::of(tree.root())).isEmpty());

    const CliRun done = run(pickA + QStringList{QStringLiteral("--yes")});
    EXPECT_EQ(done.code, 0) << done.err.toStdString();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(before.vanished(after), (QStringList{a, a + QStringLiteral("/a")}));
    EXPECT_EQ(parsed(done).value("delSize").toInteger(), 10);
    EXPECT_EQ(parsed(done).value("failed").toArray(), QJsonArray());
}

// What the browser's own files say reaches the JSON and the table: the
// browser, the profile and whether the add-on is on.
TEST(ExtensionsCommand, BrowserProfileAndStateAreListed)
{
    swtest::ensureCoreApplication();
    swtest::FixtureTree tree;
    ASSERT_TRUE(tree.isValid());
    const QString profile = QStringLiteral("home/.mozilla/firefox/ab12.default-release/");
    tree.file(profile + QStringLiteral("extensions/on@example.org.xpi"), 30);
    tree.file(profile + QStringLiteral("extensions/off@example.org.xpi"), 20);
    tree.text(profile + QStringLiteral("extensions.json"),
              R"({"addons":[{"id":"on@example.org","active":true,"defaultLocale":{"name":"Blocker"}},)"
              R"({"id":"off@example.org","active":false,"defaultLocale":{"name":"Sleeper"}}]})");
    const auto run = [&](const QStringList &args) {
        return swtest::runCli(QStringList{QStringLiteral("extensions"), QStringLiteral("--layout"),
                                          QStringLiteral("freedesktop"), QStringLiteral("--root"),
                                          tree.folder(QStringLiteral("root")), QStringLiteral("--home"),
                                          tree.path(QStringLiteral("home"))}
                                  + args,
                              tree.path(QStringLiteral("config")));
    };
    const CliRun json = run({QStringLiteral("--json")});
    ASSERT_EQ(json.code, 0) << json.err.toStdString();
    QMap<QString, QJsonObject> items;
    for (const QJsonValue &g : QJsonDocument::fromJson(json.out).object().value("extGroups").toArray())
        for (const QJsonValue &i : g.toObject().value("groupItems").toArray())
            items.insert(i.toObject().value("itemName").toString(), i.toObject());
    ASSERT_EQ(items.keys(), (QStringList{QStringLiteral("Blocker"), QStringLiteral("Sleeper")}));
    for (const QJsonObject &item : std::as_const(items)) {
        EXPECT_EQ(item.value("itemOwner").toString(), QStringLiteral("Firefox"));
        EXPECT_EQ(item.value("itemProfile").toString(), QStringLiteral("default-release"));
    }
    EXPECT_EQ(items.value(QStringLiteral("Blocker")).value("itemEnabled"), QJsonValue(true));
    EXPECT_EQ(items.value(QStringLiteral("Sleeper")).value("itemEnabled"), QJsonValue(false));

    const CliRun text = run({});
    ASSERT_EQ(text.code, 0) << text.err.toStdString();
    const QStringList lines = QString::fromUtf8(text.out).split(QLatin1Char('\n'));
    const auto lineOf = [&lines](const QString &title) {
        for (const QString &line : lines)
            if (line.contains(title))
                return line.simplified();
        return QString();
    };
    EXPECT_TRUE(lineOf(QStringLiteral("Firefox (default-release) \u203A Sleeper")).contains(QLatin1String(" disabled Firefox")))
        << text.out.toStdString();
    EXPECT_TRUE(lineOf(QStringLiteral("Firefox (default-release) \u203A Blocker")).contains(QLatin1String(" enabled Firefox")))
        << text.out.toStdString();
}

}  // namespace
