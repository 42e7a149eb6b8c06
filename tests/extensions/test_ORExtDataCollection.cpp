// SPDX-License-Identifier: GPL-3.0-or-later
// The extensions engine on fixture roots of both layouts: what each category
// lists and how it names it, hostile metadata, and removal (links, swapped
// folders, the one administrator run and its refusals).

#include "support/FixtureTree.h"
#include "support/PkexecStandIn.h"

#include "core/extensions/ORExtDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORSelection.h"
#include "core/platform/ORLayout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include <sys/stat.h>

namespace {

using Kind = ORLayout::Kind;

QByteArray infoPlist(const char *identifier, const char *name = nullptr)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>";
    if (identifier)
        xml += QByteArray("<key>CFBundleIdentifier</key><string>") + identifier + "</string>";
    if (name)
        xml += QByteArray("<key>CFBundleName</key><string>") + name + "</string>";
    return xml + "</dict></plist>\n";
}

class ExtEngine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        root = tree.folder(QStringLiteral("root"));
        home = tree.folder(QStringLiteral("home"));
        engine().setSwitchReader([](const QString &) { return false; });
        engine().startOver();
    }

    void TearDown() override
    {
        engine().startOver();
        engine().setSwitchReader([](const QString &key) { return ORPrefConfig::boolForKey(key); });
        engine().setAdminRule([](const QString &) { return false; });
        ORLayout::reset();
    }

    static ORExtDataCollection &engine() { return ORExtDataCollection::shareInstance(); }

    std::shared_ptr<ORExtData> scan(Kind kind)
    {
        ORLayout::set(kind, root, home);
        engine().startOver();
        return engine().extData();
    }

    // "relative path=name" for every item of the group, in order.
    QStringList listing(const ORExtData &data, qint64 groupID) const
    {
        QStringList out;
        for (const ORExtGroup &g : data.extGroups)
            if (g.groupID == groupID)
                for (const ORExtItem &item : g.groupItems)
                    out.append(relative(item.itemPath) + QLatin1Char('=') + item.itemName);
        return out;
    }

    QString relative(const QString &absolute) const
    {
        return absolute.mid(tree.root().size() + 1);
    }

    static void markAll(ORExtData &data)
    {
        for (ORExtGroup &g : data.extGroups)
            for (qsizetype i = 0; i < g.groupItems.size(); ++i)
                sw::selection::setItemMarked(g, i, true);
    }

    static qint64 itemSize(const ORExtData &data, const QString &path)
    {
        for (const ORExtGroup &g : data.extGroups)
            for (const ORExtItem &item : g.groupItems)
                if (item.itemPath == path)
                    return item.itemSize;
        return -1;
    }

    swtest::FixtureTree tree;
    QString root;
    QString home;
};

TEST_F(ExtEngine, MacCategoriesKeepTheSystemsOwnBundlesOutAndFollowTheirFilters)
{
    tree.text(QStringLiteral("root/Library/Extensions/Org.kext/Contents/Info.plist"),
              infoPlist("org.example.driver", "Example Driver"));
    tree.text(QStringLiteral("root/Library/Extensions/Com.kext/Contents/Info.plist"), infoPlist("com.example.driver"));
    tree.text(QStringLiteral("root/Library/Extensions/Anon.kext/Contents/Info.plist"), infoPlist(nullptr, "Anon"));
    tree.text(QStringLiteral("home/Library/PreferencePanes/Other.prefPane/Contents/Info.plist"),
              infoPlist("com.example.pane"));
    tree.text(QStringLiteral("root/Library/PreferencePanes/Own.prefPane/Contents/Info.plist"),
              infoPlist("com.apple.preference.x"));
    tree.file(QStringLiteral("home/Library/Internet Plug-Ins/X.plugin/Contents/MacOS/x"), 100);
    tree.file(QStringLiteral("home/Library/Internet Plug-Ins/X.plugin/Contents/PlugIns/Y.plugin/y"), 50);
    tree.file(QStringLiteral("root/Library/QuickLook/A.qlgenerator/a"), 10);
    tree.file(QStringLiteral("root/Library/QuickLook/B.QLGenerator/b"), 10);
    tree.file(QStringLiteral("root/Library/Spotlight/C.mdimporter/c"), 10);
    tree.file(QStringLiteral("root/Library/Spotlight/Empty.mdimporter"), 0);

    auto data = scan(Kind::MacOS);
    QList<qint64> order;
    for (const ORExtGroup &g : data->extGroups)
        order.append(g.groupID);
    EXPECT_EQ(order, (QList<qint64>{0, 1, 2, 4, 3}));
    EXPECT_EQ(listing(*data, 0), QStringList{QStringLiteral("root/Library/Extensions/Org.kext=Example Driver")});
    EXPECT_EQ(listing(*data, 1), QStringList{QStringLiteral("home/Library/PreferencePanes/Other.prefPane=Other")});
    const QString x = home + QStringLiteral("/Library/Internet Plug-Ins/X.plugin");
    EXPECT_EQ(listing(*data, 2), (QStringList{QStringLiteral("home/Library/Internet Plug-Ins/X.plugin=X"),
                                              QStringLiteral("home/Library/Internet Plug-Ins/X.plugin/Contents/"
                                                             "PlugIns/Y.plugin=Y")}));
    EXPECT_GT(itemSize(*data, x), 150);
    EXPECT_EQ(listing(*data, 4), QStringList{QStringLiteral("root/Library/QuickLook/A.qlgenerator=A")});
    EXPECT_EQ(listing(*data, 3), QStringList{QStringLiteral("root/Library/Spotlight/C.mdimporter=C")});
    EXPECT_EQ(data->extGroups.constFirst().groupInfo,
              QStringLiteral("Kernel extensions: drivers and system features that applications added."));

    engine().setSwitchReader([](const QString &key) { return key == QLatin1String("orquicklook"); });
    data = scan(Kind::MacOS);
    order.clear();
    for (const ORExtGroup &g : data->extGroups)
        order.append(g.groupID);
    EXPECT_EQ(order, (QList<qint64>{0, 1, 2, 3}));
}

TEST_F(ExtEngine, FreedesktopAddOnsAreNamedFromTheirOwnMetadata)
{
    const QString profile = QStringLiteral("home/.mozilla/firefox/ab12.default/");
    tree.file(profile + QStringLiteral("extensions/blocker@example.org.xpi"), 300);
    tree.file(profile + QStringLiteral("extensions/unknown@example.org.xpi"), 30);
    tree.text(profile + QStringLiteral("extensions.json"),
              R"({"addons":[{"id":"blocker@example.org","defaultLocale":{"name":"Ad Blocker"}}]})");
    const QString chromium = QStringLiteral("home/.config/chromium/Default/Extensions/abcdefgh/");
    tree.text(chromium + QStringLiteral("2.9_0/manifest.json"), R"({"name":"Old Name"})");
    tree.text(chromium + QStringLiteral("2.10_0/manifest.json"),
              R"({"name":"__MSG_appName__","default_locale":"en_GB"})");
    tree.text(chromium + QStringLiteral("2.10_0/_locales/en_GB/messages.json"),
              "\xEF\xBB\xBF{\"APPNAME\":{\"message\":\"Tab Saver\"}}");
    tree.text(QStringLiteral("home/.local/share/gnome-shell/extensions/dash@example.org/metadata.json"),
              R"({"uuid":"dash@example.org","name":"Dash Tweaks"})");
    tree.text(QStringLiteral("home/.local/share/plasma/plasmoids/org.example.clock/metadata.desktop"),
              "[Desktop Entry]\nName=Big Clock\n");
    tree.file(QStringLiteral("home/.mozilla/plugins/deep/libflash.so"), 40);
    tree.file(QStringLiteral("home/.mozilla/plugins/readme.txt"), 40);
    tree.text(QStringLiteral("home/.local/share/thumbnailers/raw.thumbnailer"), "[Thumbnailer Entry]\nExec=x\n");
    tree.text(QStringLiteral("home/.local/share/krunner/dbusplugins/notes.desktop"), "[Desktop Entry]\nName=Notes\n");
    tree.text(QStringLiteral("home/.local/share/gnome-shell/search-providers/files.ini"), "[Shell Search Provider]\n");

    const auto data = scan(Kind::Freedesktop);
    EXPECT_EQ(listing(*data, 0),
              (QStringList{profile + QStringLiteral("extensions/blocker@example.org.xpi=Ad Blocker"),
                           profile + QStringLiteral("extensions/unknown@example.org.xpi=unknown@example.org"),
                           QStringLiteral("home/.config/chromium/Default/Extensions/abcdefgh=Tab Saver")}));
    EXPECT_EQ(listing(*data, 1),
              (QStringList{QStringLiteral("home/.local/share/gnome-shell/extensions/dash@example.org=Dash Tweaks"),
                           QStringLiteral("home/.local/share/plasma/plasmoids/org.example.clock=Big Clock")}));
    EXPECT_EQ(listing(*data, 2), QStringList{QStringLiteral("home/.mozilla/plugins/deep/libflash.so=libflash")});
    EXPECT_EQ(listing(*data, 4), QStringList{QStringLiteral("home/.local/share/thumbnailers/raw.thumbnailer=raw")});
    EXPECT_EQ(listing(*data, 3),
              (QStringList{QStringLiteral("home/.local/share/gnome-shell/search-providers/files.ini=files"),
                           QStringLiteral("home/.local/share/krunner/dbusplugins/notes.desktop=Notes")}));
    qint64 total = 0;
    for (const ORExtGroup &g : data->extGroups)
        total += g.groupSize;
    EXPECT_EQ(data->extTotalSize, total);
}

struct OwnerRow
{
    const char *name;
    const char *path;   // below the tree
    const char *title;  // ORExtGroup::itemTitle
    const char *profile;
    int enabled;        // 1 on, 0 off, -1 not told
};

class ExtOwners : public ExtEngine, public ::testing::WithParamInterface<OwnerRow>
{
};

// Two Firefox profiles and a Chromium profile, each describing its add-ons
// in its own files; a Preferences file that is a link out of the profile is
// not read.
TEST_P(ExtOwners, AnAddOnNamesItsBrowserProfileAndState)
{
    const QString release = QStringLiteral("home/.mozilla/firefox/ab12.default-release/");
    tree.file(release + QStringLiteral("extensions/blocker@example.org.xpi"), 300);
    tree.file(release + QStringLiteral("extensions/sleeper@example.org.xpi"), 30);
    tree.file(release + QStringLiteral("extensions/legacy@example.org.xpi"), 30);
    tree.text(release + QStringLiteral("extensions.json"),
              R"({"addons":[{"id":"blocker@example.org","active":true,"defaultLocale":{"name":"Ad Blocker"}},)"
              R"({"id":"sleeper@example.org","active":false,"userDisabled":true,"defaultLocale":{"name":"Sleeper"}},)"
              R"({"id":"legacy@example.org","userDisabled":true,"defaultLocale":{"name":"Legacy"}}]})");
    tree.file(QStringLiteral("home/.mozilla/firefox/cd34.work/extensions/notes@example.org.xpi"), 40);
    const QString chromium = QStringLiteral("home/.config/chromium/Default/");
    for (const char *id : {"aaa", "bbb", "ccc", "ddd"})
        tree.text(chromium + QStringLiteral("Extensions/%1/1.0/manifest.json").arg(QLatin1String(id)),
                  R"({"name":"Ext )" + QByteArray(id) + R"("})");
    tree.text(chromium + QStringLiteral("Preferences"),
              R"({"extensions":{"settings":{"aaa":{"state":1},"bbb":{"disable_reasons":[1]},"ccc":{"state":1}}}})");
    tree.text(chromium + QStringLiteral("Secure Preferences"),
              R"({"extensions":{"settings":{"ccc":{"disable_reasons":[8192]}}}})");
    const QString other = QStringLiteral("home/.config/google-chrome/Profile 2/");
    tree.text(other + QStringLiteral("Extensions/eee/1.0/manifest.json"), R"({"name":"Ext eee"})");
    tree.text(QStringLiteral("outside/Preferences"), R"({"extensions":{"settings":{"eee":{"state":0}}}})");
    tree.link(other + QStringLiteral("Preferences"), tree.path(QStringLiteral("outside/Preferences")));
    tree.text(QStringLiteral("home/.local/share/gnome-shell/extensions/dash@example.org/metadata.json"),
              R"({"uuid":"dash@example.org","name":"Dash Tweaks"})");

    const OwnerRow &row = GetParam();
    const auto data = scan(Kind::Freedesktop);
    const QString path = tree.path(QLatin1String(row.path));
    for (const ORExtGroup &group : data->extGroups)
        for (qsizetype i = 0; i < group.groupItems.size(); ++i) {
            const ORExtItem &item = group.groupItems.at(i);
            if (item.itemPath != path)
                continue;
            EXPECT_EQ(group.itemTitle(i), QString::fromUtf8(row.title));
            EXPECT_EQ(item.itemProfile, QLatin1String(row.profile));
            EXPECT_EQ(item.itemEnabled, row.enabled < 0 ? std::nullopt : std::optional<bool>(row.enabled == 1));
            return;
        }
    ADD_FAILURE() << "not listed: " << row.path;
}

INSTANTIATE_TEST_SUITE_P(
    Browsers, ExtOwners,
    ::testing::Values(
        OwnerRow{"FirefoxActive", "home/.mozilla/firefox/ab12.default-release/extensions/blocker@example.org.xpi",
                 "Firefox (default-release) \u203A Ad Blocker", "default-release", 1},
        OwnerRow{"FirefoxInactive", "home/.mozilla/firefox/ab12.default-release/extensions/sleeper@example.org.xpi",
                 "Firefox (default-release) \u203A Sleeper", "default-release", 0},
        OwnerRow{"FirefoxUserDisabledOnly", "home/.mozilla/firefox/ab12.default-release/extensions/legacy@example.org.xpi",
                 "Firefox (default-release) \u203A Legacy", "default-release", 0},
        OwnerRow{"FirefoxWithoutList", "home/.mozilla/firefox/cd34.work/extensions/notes@example.org.xpi",
                 "Firefox (work) \u203A notes@example.org", "work", -1},
        OwnerRow{"ChromiumState", "home/.config/chromium/Default/Extensions/aaa", "Chromium \u203A Ext aaa", "Default", 1},
        OwnerRow{"ChromiumDisableReasons", "home/.config/chromium/Default/Extensions/bbb", "Chromium \u203A Ext bbb",
                 "Default", 0},
        OwnerRow{"ChromiumSecurePreferencesWin", "home/.config/chromium/Default/Extensions/ccc",
                 "Chromium \u203A Ext ccc", "Default", 0},
        OwnerRow{"ChromiumNotInPreferences", "home/.config/chromium/Default/Extensions/ddd", "Chromium \u203A Ext ddd",
                 "Default", -1},
        OwnerRow{"ChromePreferencesLinkedOut", "home/.config/google-chrome/Profile 2/Extensions/eee",
                 "Google Chrome \u203A Ext eee", "Profile 2", -1},
        OwnerRow{"GnomeShell", "home/.local/share/gnome-shell/extensions/dash@example.org", "GNOME Shell \u203A Dash Tweaks",
                 "", -1}),
    [](const auto &info) { return std::string(info.param.name); });

// Metadata that is malformed, oversized, a link out of the folder or a FIFO,
// and names that are not UTF-8: no crash, no hang, the add-on is named by
// its folder or left out.
TEST_F(ExtEngine, HostileMetadataFallsBackToTheFolderName)
{
    const QString shell = QStringLiteral("home/.local/share/gnome-shell/extensions/");
    tree.text(shell + QStringLiteral("broken/metadata.json"), R"({"name": "Brok)");
    tree.text(shell + QStringLiteral("huge/metadata.json"),
              "{\"name\":\"Huge\",\"pad\":\"" + QByteArray(5 * 1024 * 1024, 'a') + "\"}");
    tree.text(shell + QStringLiteral("deep/metadata.json"), QByteArray(100000, '[') + QByteArray(100000, ']'));
    tree.text(QStringLiteral("outside/metadata.json"), R"({"name":"Planted"})");
    tree.link(shell + QStringLiteral("linked/metadata.json"), tree.path(QStringLiteral("outside/metadata.json")));
    tree.folder(shell + QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.path(shell + QStringLiteral("fifo/metadata.json"))).constData(), 0600), 0);
    tree.text(shell + QStringLiteral("fifo/extension.js"), "x");
    tree.text(shell + QStringLiteral("odd/metadata.json"), "{\"name\":\"Bad \xff\xfe name\"}");
    tree.link(shell + QStringLiteral("escape"), tree.path(QStringLiteral("outside")));
    tree.folder(shell);
    const QByteArray badName = QFile::encodeName(tree.path(shell)) + "bad\xff";
    ASSERT_EQ(::mkdir(badName.constData(), 0700), 0);
    tree.text(shell + QStringLiteral("ok/metadata.json"), R"({"name":"Fine"})");
    tree.text(QStringLiteral("home/.config/chromium/Default/Extensions/id1/1.0/manifest.json"),
              R"({"name":"__MSG_n__","default_locale":"../../../../outside"})");
    QFile(badName + "/metadata.json").open(QIODevice::WriteOnly);

    const auto data = scan(Kind::Freedesktop);
    EXPECT_EQ(listing(*data, 1), (QStringList{shell + QStringLiteral("broken=broken"),
                                              shell + QStringLiteral("deep=deep"),
                                              shell + QStringLiteral("fifo=fifo"),
                                              shell + QStringLiteral("huge=huge"),
                                              shell + QStringLiteral("linked=linked"),
                                              shell + QStringLiteral("odd=odd"),
                                              shell + QStringLiteral("ok=Fine")}));
    EXPECT_EQ(listing(*data, 0), QStringList{QStringLiteral("home/.config/chromium/Default/Extensions/id1=id1")});
    ::unlink(badName + "/metadata.json");  // no QString names it, so the tree cannot remove it
    ::rmdir(badName.constData());
}

// Between the scan and the removal one plug-in's folder becomes a link to a
// folder outside: it is not followed, and only what went is counted. The
// record lists each removed item once although two groups were flagged.
TEST_F(ExtEngine, RemovalTakesOnlyListedItemsAndCountsWhatWent)
{
    tree.file(QStringLiteral("home/.local/share/gnome-shell/extensions/a@x/extension.js"), 30);
    tree.file(QStringLiteral("home/.mozilla/plugins/top.so"), 8);
    tree.file(QStringLiteral("home/.mozilla/plugins/sub/inner.so"), 5);
    tree.file(QStringLiteral("outside/inner.so"), 500);
    tree.link(QStringLiteral("home/.local/share/gnome-shell/extensions/planted"), tree.path(QStringLiteral("outside")));
    const auto data = scan(Kind::Freedesktop);
    ASSERT_EQ(listing(*data, 1).size(), 1);
    ASSERT_EQ(listing(*data, 2).size(), 2);

    engine().deleteExtensions();  // nothing ticked: nothing happens
    EXPECT_EQ(engine().delSize(), 0);
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.mozilla/plugins/top.so")));

    markAll(*data);
    QDir(tree.path(QStringLiteral("home/.mozilla/plugins/sub"))).removeRecursively();
    tree.link(QStringLiteral("home/.mozilla/plugins/sub"), tree.path(QStringLiteral("outside")));
    engine().deleteExtensions();

    EXPECT_TRUE(tree.exists(QStringLiteral("outside/inner.so")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.mozilla/plugins/sub")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/gnome-shell/extensions/a@x")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.mozilla/plugins/top.so")));
    const qint64 went = itemSize(*data, home + QStringLiteral("/.local/share/gnome-shell/extensions/a@x")) + 8;
    EXPECT_EQ(engine().delSize(), went);
    EXPECT_EQ(engine().removalReport().failedCount(), 1);
    ASSERT_EQ(engine().extDataDel().size(), 1);
    EXPECT_EQ(engine().delGroup().groupItems.size(), 2);
    EXPECT_EQ(engine().delGroup().groupSize, went);

    engine().deleteExtensions();  // everything went already: nothing is counted twice
    EXPECT_EQ(engine().delSize(), 0);
}

// Items the user may not remove go after the user's own, in one privileged
// run. A cancelled or refused prompt leaves them in place, reported as
// failures and not counted.
TEST_F(ExtEngine, AdministratorRunOnceAfterTheUsersOwnAndRefusalsAreNotCounted)
{
    for (const char *mode : {"", "cancel", "deny"}) {
        SCOPED_TRACE(mode);
        swtest::PkexecStandIn pkexec;
        pkexec.setMode(mode);
        tree.file(QStringLiteral("home/.local/share/thumbnailers/own.thumbnailer"), 10);
        tree.file(QStringLiteral("home/.local/share/thumbnailers/sys.thumbnailer"), 20);
        tree.file(QStringLiteral("home/.local/share/gnome-shell/search-providers/sys.ini"), 40);
        const auto data = scan(Kind::Freedesktop);
        markAll(*data);
        engine().setAdminRule([](const QString &path) { return path.contains(QLatin1String("sys.")); });
        engine().deleteExtensions();

        ASSERT_EQ(pkexec.starts().size(), 1);
        EXPECT_TRUE(pkexec.starts().constFirst().contains(QStringLiteral("sweepwright-privileged")));
        EXPECT_EQ(tree.exists(QStringLiteral("home/.local/share/gnome-shell/search-providers/sys.ini")), *mode != '\0');
        EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/thumbnailers/own.thumbnailer")));
        const bool ran = *mode == '\0';
        EXPECT_EQ(tree.exists(QStringLiteral("home/.local/share/thumbnailers/sys.thumbnailer")), !ran);
        EXPECT_EQ(engine().delSize(), ran ? 70 : 10);
        EXPECT_EQ(engine().delGroup().groupItems.size(), ran ? 3 : 1);
        EXPECT_EQ(engine().removalReport().failedCount(), ran ? 0 : 2);
        engine().setAdminRule([](const QString &) { return false; });
    }
}

}  // namespace
