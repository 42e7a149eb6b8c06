// SPDX-License-Identifier: GPL-3.0-or-later
// sweepwright-cli apps, run as a program on fixture trees of both layouts.

#include "CliRunner.h"
#include "support/FixtureTree.h"
#include "support/FreedesktopSystem.h"
#include "support/TreeSnapshot.h"

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

    CliRun cli(const QString &layout, const QStringList &args, const QStringList &env = {}) const
    {
        return swtest::runCli(QStringList{QStringLiteral("apps"), QStringLiteral("--layout"), layout,
                                          QStringLiteral("--root"), root, QStringLiteral("--home"), home}
                                  + args,
                              tree.path(QStringLiteral("config")), {}, env);
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
    void bundle(const QString &name, const QByteArray &identifier, const QByteArray &bundleName = {}) const
    {
        const QString rel = QStringLiteral("root/Applications/") + name + QStringLiteral(".app/Contents/");
        tree.text(rel + QStringLiteral("Info.plist"),
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                  "<key>CFBundleIdentifier</key><string>"
                      + identifier + "</string><key>CFBundleName</key><string>"
                      + (bundleName.isEmpty() ? name.toUtf8() : bundleName)
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
        EXPECT_EQ(group.keys(), (QStringList{"appIdentifier", "appSource", "groupItems", "groupName", "groupSize"}));
        EXPECT_EQ(group.value("appSource").toString(), QStringLiteral("bundle"));
        qint64 sum = 0;
        for (const QJsonValue &i : group.value("groupItems").toArray()) {
            EXPECT_EQ(i.toObject().keys(), (QStringList{"isDel", "itemPath", "itemSize", "kind"}));
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
    tree.file(QStringLiteral("home/Library/Application Support/Foo/db"), 20);  // the user's data
    tree.file(QStringLiteral("home/Library/Caches/Bar/c"), 9);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const QString foo = tree.path(QStringLiteral("root/Applications/Foo.app"));

    // Nobody to confirm: the plan, exit 2; --dry-run: the plan; an unknown
    // name: a usage error. None of them touches anything.
    const CliRun refused = cli(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.out.contains("Would remove: " + QFile::encodeName(foo))) << refused.out.toStdString();
    EXPECT_EQ(refused.out.count("Would remove: "), 2) << refused.out.toStdString();
    const QJsonObject plan =
        json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo"), QStringLiteral("--dry-run")});
    EXPECT_EQ(plan.value("plan").toArray().size(), 2);
    EXPECT_FALSE(plan.contains("delSize"));
    const CliRun unknown = cli(QStringLiteral("macos"),
                               {QStringLiteral("--remove"), QStringLiteral("foo"), QStringLiteral("--yes")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains("foo")) << unknown.err.toStdString();
    EXPECT_TRUE(before.vanished(TreeSnapshot::of(tree.root())).isEmpty());

    const QJsonObject done =
        json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("Foo"), QStringLiteral("--yes")});
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    const QStringList items{foo, tree.path(QStringLiteral("home/Library/Caches/Foo"))};
    for (const QString &path : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(path, items)) << path.toStdString();
    for (const QString &item : items)
        EXPECT_FALSE(swtest::FixtureTree::existsAt(item)) << item.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/keep/data")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/Library/Application Support/Foo/db")));
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(done.value("delSize").toInteger(), before.bytesGone(after, items));
    EXPECT_EQ(done.value("failed").toArray(), QJsonArray());
}

// An AppImage with a cache, settings and the user's data: the listing marks
// each by kind and ticks all but the data, which a removal leaves unless
// --with-data asks for it; what goes is in the Trash.
TEST_F(AppsCommand, RemoveLeavesTheUsersDataUnlessWithDataIsGiven)
{
    tree.file(QStringLiteral("home/Applications/Viewer.AppImage"), 50);
    tree.file(QStringLiteral("home/.cache/Viewer/c"), 6);
    tree.file(QStringLiteral("home/.config/Viewer/s"), 3);
    tree.file(QStringLiteral("home/.local/share/Viewer/library"), 8);
    tree.file(QStringLiteral("home/Applications/Other.AppImage"), 20);
    const auto itemsOf = [this](const QJsonObject &result) {
        QMap<QString, std::pair<QString, bool>> items;  // path -> kind, isDel
        for (const QJsonValue &g : result.value("appGroups").toArray())
            if (g.toObject().value("groupName") == QLatin1String("Viewer"))
                for (const QJsonValue &i : g.toObject().value("groupItems").toArray())
                    items.insert(i.toObject().value("itemPath").toString().mid(tree.root().size() + 1),
                                 {i.toObject().value("kind").toString(), i.toObject().value("isDel").toBool()});
        return items;
    };
    using Item = std::pair<QString, bool>;
    const QMap<QString, Item> listed{{QStringLiteral("home/Applications/Viewer.AppImage"), Item{"app", true}},
                                     {QStringLiteral("home/.cache/Viewer"), Item{"cache", true}},
                                     {QStringLiteral("home/.config/Viewer"), Item{"settings", true}},
                                     {QStringLiteral("home/.local/share/Viewer"), Item{"data", false}}};
    EXPECT_EQ(itemsOf(json(QStringLiteral("freedesktop"))), listed);
    const QStringList remove{QStringLiteral("--remove"), QStringLiteral("Viewer")};
    const QJsonObject withData =
        json(QStringLiteral("freedesktop"), remove + QStringList{QStringLiteral("--with-data"), QStringLiteral("--dry-run")});
    EXPECT_EQ(withData.value("plan").toArray().size(), 4);
    EXPECT_TRUE(itemsOf(withData).value(QStringLiteral("home/.local/share/Viewer")).second);
    EXPECT_EQ(cli(QStringLiteral("freedesktop"), {QStringLiteral("--with-data")}).code, 2);

    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const QJsonObject done = json(QStringLiteral("freedesktop"), remove + QStringList{QStringLiteral("--yes")});
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_EQ(itemsOf(done), (QMap<QString, Item>{{QStringLiteral("home/Applications/Viewer.AppImage"), Item{"app", true}},
                                                  {QStringLiteral("home/.cache/Viewer"), Item{"cache", true}},
                                                  {QStringLiteral("home/.config/Viewer"), Item{"settings", true}},
                                                  {QStringLiteral("home/.local/share/Viewer"), Item{"data", false}}}));
    QStringList ticked;
    for (auto it = listed.cbegin(); it != listed.cend(); ++it)
        if (it->second)
            ticked.append(tree.path(it.key()));
    const QStringList vanished = before.vanished(after);
    for (const QString &path : vanished)
        EXPECT_TRUE(TreeSnapshot::isUnder(path, ticked)) << path.toStdString();
    for (const QString &item : ticked)
        EXPECT_TRUE(vanished.contains(item)) << item.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.local/share/Viewer/library")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.local/share/Trash/files/Viewer.AppImage")));
    EXPECT_EQ(done.value("delSize").toInteger(), before.bytesGone(after, ticked));
}

// Two terminals of one name, and Signal both as a Flatpak and as a package,
// each with what it left in the home.
void plantNamesakes(const swtest::FixtureTree &tree)
{
    swtest::FreedesktopSystem system(tree);
    system.package({QStringLiteral("gnome-terminal"), QStringLiteral("org.gnome.Terminal"), "Terminal",
                    "gnome-terminal", {QStringLiteral("/usr/bin/gnome-terminal")}, {}});
    system.package({QStringLiteral("xfce4-terminal"), QStringLiteral("xfce4-terminal"), "Terminal", "xfce4-terminal",
                    {QStringLiteral("/usr/bin/xfce4-terminal")}, {}});
    system.package({QStringLiteral("signal-desktop"), QStringLiteral("signal-desktop"), "Signal",
                    "/opt/Signal/signal-desktop %U", {QStringLiteral("/opt/Signal/signal-desktop")}, {}});
    system.flatpak(QStringLiteral("home/.local/share/flatpak"), QStringLiteral("org.signal.Signal"), "Signal");
    tree.file(QStringLiteral("home/.config/Signal/config.json"), 30);
    tree.file(QStringLiteral("home/.var/app/org.signal.Signal/config/Signal/config.json"), 40);
    tree.file(QStringLiteral("home/.config/xfce4-terminal/terminalrc"), 12);
}

TEST_F(AppsCommand, ANameSeveralApplicationsShareRemovesNothingAndListsThem)
{
    plantNamesakes(tree);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const CliRun terminal = cli(QStringLiteral("freedesktop"),
                                {QStringLiteral("--remove"), QStringLiteral("Terminal"), QStringLiteral("--yes")});
    EXPECT_EQ(terminal.code, 2);
    for (const QByteArray &expected : {QByteArray("Debian package  gnome-terminal"), QByteArray("Debian package  xfce4-terminal")})
        EXPECT_TRUE(terminal.err.contains(expected)) << terminal.err.toStdString();
    const CliRun signal = cli(QStringLiteral("freedesktop"),
                              {QStringLiteral("--remove"), QStringLiteral("Signal"), QStringLiteral("--yes")});
    EXPECT_EQ(signal.code, 2);
    for (const QByteArray &expected : {QByteArray("Flatpak  org.signal.Signal"), QByteArray("Debian package  signal-desktop")})
        EXPECT_TRUE(signal.err.contains(expected)) << signal.err.toStdString();
    const TreeSnapshot after = TreeSnapshot::of(tree.root());
    EXPECT_TRUE(before.vanished(after).isEmpty());
    EXPECT_TRUE(before.changed(after).isEmpty());
}

TEST_F(AppsCommand, AnIdentifierNamesExactlyOneApplication)
{
    plantNamesakes(tree);
    const QString flatpak = tree.text(QStringLiteral("bin/flatpak"),
                                      "#!/bin/sh\nrm -rf " + tree.path(QStringLiteral("home/.local/share/flatpak/app/")).toUtf8()
                                          + "\"$4\"\n");
    QFile::setPermissions(flatpak, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString deployment = tree.path(QStringLiteral("home/.local/share/flatpak/app/org.signal.Signal"));
    const QString data = tree.path(QStringLiteral("home/.var/app/org.signal.Signal/config"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    const CliRun run = cli(QStringLiteral("freedesktop"),
                           {QStringLiteral("--remove"), QStringLiteral("org.signal.Signal"), QStringLiteral("--yes")},
                           {QStringLiteral("SWEEPWRIGHT_FLATPAK=") + flatpak});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const TreeSnapshot gone = TreeSnapshot::of(tree.root());
    for (const QString &path : before.vanished(gone))
        EXPECT_TRUE(TreeSnapshot::isUnder(path, {deployment, data})) << path.toStdString();
    EXPECT_FALSE(swtest::FixtureTree::existsAt(data));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.config/Signal/config.json")));  // the package's

    // A path names one too: the other Terminal's leftovers are not touched.
    const CliRun byPath = cli(QStringLiteral("freedesktop"),
                              {QStringLiteral("--remove"), tree.path(QStringLiteral("root/usr/share/applications/xfce4-terminal.desktop")),
                               QStringLiteral("--dry-run")});
    EXPECT_EQ(byPath.code, 0) << byPath.err.toStdString();
    EXPECT_TRUE(byPath.out.contains("xfce4-terminal/terminalrc") || byPath.out.contains(".config/xfce4-terminal"))
        << byPath.out.toStdString();
    EXPECT_FALSE(byPath.out.contains("gnome-terminal")) << byPath.out.toStdString();
}

TEST_F(AppsCommand, AFolderTwoApplicationsListIsRemovedAndReportedOnce)
{
    bundle(QStringLiteral("One"), "org.one", "Shared");
    bundle(QStringLiteral("Two"), "org.two", "Shared");
    const QString shared = tree.file(QStringLiteral("home/Library/Caches/Shared/data"), 30);
    const QJsonObject plan = json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("One"),
                                                           QStringLiteral("--remove"), QStringLiteral("Two"),
                                                           QStringLiteral("--dry-run")});
    EXPECT_EQ(plan.value("plan").toArray().size(), 3);
    const QJsonObject done = json(QStringLiteral("macos"), {QStringLiteral("--remove"), QStringLiteral("One"),
                                                           QStringLiteral("--remove"), QStringLiteral("Two"),
                                                           QStringLiteral("--yes")});
    const QString folder = QFileInfo(shared).path();
    EXPECT_EQ(done.value("removed").toArray().size(), 3);
    EXPECT_EQ(done.value("removed").toArray().toVariantList().count(folder), 1);
    EXPECT_EQ(done.value("failed").toArray(), QJsonArray());
    EXPECT_FALSE(QFile::exists(shared));
}

}  // namespace
