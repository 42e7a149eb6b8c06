// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FixtureTree.h"
#include "support/FreedesktopSystem.h"
#include "support/PkexecStandIn.h"
#include "support/TreeSnapshot.h"

#include "core/foundation/ORSelection.h"
#include "core/fs/Trash.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/AppTicks.h"
#include "core/uninst/ORAppDataCollection.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <QMap>
#include <QSet>

#include <memory>

#include <unistd.h>

using swtest::FixtureTree;
using swtest::TreeSnapshot;

namespace {

QByteArray infoPlist(const QMap<QString, QString> &keys)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>";
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        xml += "<key>" + it.key().toUtf8() + "</key><string>" + it.value().toUtf8() + "</string>";
    return xml + "</dict></plist>\n";
}

QByteArray binaryPlist(const QByteArray &xml)
{
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    const QByteArray out(bytes, int(length));
    plist_to_bin_free(bytes);
    plist_free(root);
    return out;
}

class AppCollectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        root = tree.folder(QStringLiteral("root"));
        home = tree.folder(QStringLiteral("home"));
        engine().startOver();
    }

    void TearDown() override
    {
        engine().startOver();
        ORLayout::reset();
    }

    static ORAppDataCollection &engine() { return ORAppDataCollection::shareInstance(); }

    void useLayout(ORLayout::Kind kind) { ORLayout::set(kind, root, home); }

    QString bundle(const QString &rel, const QMap<QString, QString> &info, bool binary = false) const
    {
        const QByteArray xml = infoPlist(info);
        tree.text(QStringLiteral("root/Applications/") + rel + QStringLiteral("/Contents/Info.plist"),
                  binary ? binaryPlist(xml) : xml);
        tree.file(QStringLiteral("root/Applications/") + rel + QStringLiteral("/Contents/MacOS/bin"), 100);
        return tree.path(QStringLiteral("root/Applications/") + rel);
    }

    // Group name -> its item paths relative to the tree, sorted.
    QMap<QString, QStringList> listing(const ORAppData &data) const
    {
        QMap<QString, QStringList> out;
        for (const ORAppDataGroup &group : data.appGroups) {
            QStringList paths;
            for (const ORAppDataItem &item : group.groupItems)
                paths.append(item.itemPath.mid(tree.root().size() + 1));
            paths.sort();
            out.insert(group.groupName, paths);
        }
        return out;
    }

    ORAppDataGroup *groupNamed(ORAppData &data, const QString &name) const
    {
        for (ORAppDataGroup &group : data.appGroups)
            if (group.groupName == name)
                return &group;
        return nullptr;
    }

    // A shell script the test writes, executable, at the tree's bin/NAME.
    QString script(const QString &name, const QByteArray &body) const
    {
        const QString path = tree.text(QStringLiteral("bin/") + name, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QStringList logLines(const QString &rel) const
    {
        QFile log(tree.path(rel));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // A user Flatpak (Tool), two AppImages, applications kept in the home
    // named like the Flatpak folder and the cache folder, and a dpkg database with a
    // desktop package, an essential one, a hidden one, one that takes another
    // along, one whose removal fails, one that stays installed whatever
    // apt-get says, and one that is no longer installed.
    void plantFreedesktop() const
    {
        const QString deployed = QStringLiteral("home/.local/share/flatpak/app/org.x.Tool");
        tree.text(deployed + QStringLiteral("/current/active/export/share/applications/org.x.Tool.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Tool\nExec=/usr/bin/flatpak run org.x.Tool\n");
        tree.file(deployed + QStringLiteral("/current/active/files/bin/tool"), 100);
        tree.file(QStringLiteral("home/.var/app/org.x.Tool/config/a"), 5);
        tree.file(QStringLiteral("home/.cache/Tool/c"), 6);

        const QString viewer = tree.file(QStringLiteral("home/Applications/Viewer-1.0.AppImage"), 50);
        tree.text(QStringLiteral("home/.local/share/applications/viewer.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + viewer.toUtf8() + " %U\n");
        tree.file(QStringLiteral("home/.config/Viewer/s"), 3);
        tree.file(QStringLiteral("home/.config/Viewerrc"), 2);
        tree.file(QStringLiteral("home/.local/bin/other.appimage"), 20);

        const QString fp = tree.file(QStringLiteral("home/.local/opt/fp/bin/fp"), 30);
        tree.text(QStringLiteral("home/.local/share/applications/fp.desktop"),
                  "[Desktop Entry]\nType=Application\nName=flatpak\nExec=" + fp.toUtf8() + "\n");
        tree.file(QStringLiteral("home/.config/fp/x"), 4);
        tree.file(QStringLiteral("outside/fpdata/keep"), 9);
        tree.link(QStringLiteral("home/.fp"), tree.path(QStringLiteral("outside/fpdata")));
        // Its program is called like the cache folder: HOME/.cache is never a leftover.
        const QString cacher = tree.file(QStringLiteral("home/.local/opt/cacher/bin/cache"), 30);
        tree.text(QStringLiteral("home/.local/share/applications/cacher.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Cacher\nExec=" + cacher.toUtf8() + "\n");

        tree.text(QStringLiteral("root/var/lib/dpkg/status"),
                  "Package: editor\nStatus: install ok installed\nPriority: optional\nInstalled-Size: 10\n"
                  "Architecture: amd64\nDescription: an editor\n more text\n\n"
                  "Package: coreshell\nEssential: yes\nStatus: install ok installed\nInstalled-Size: 5\n\n"
                  "Package: hiddenapp\nStatus: install ok installed\nInstalled-Size: 5\nArchitecture: amd64\n\n"
                  "Package: bundled\nStatus: install ok installed\nPriority: optional\nInstalled-Size: 3\n\n"
                  "Package: broken\nStatus: install ok installed\nInstalled-Size: 4\n\n"
                  "Package: stubborn\nStatus: install ok installed\nInstalled-Size: 2\n\n"
                  "Package: gone\nStatus: deinstall ok config-files\nInstalled-Size: 3\n");
        for (const char *package : {"editor", "coreshell", "hiddenapp:amd64", "bundled", "broken", "stubborn", "gone"}) {
            const QString name = QString::fromLatin1(package).section(QLatin1Char(':'), 0, 0);
            tree.text(QStringLiteral("root/var/lib/dpkg/info/%1.list").arg(QLatin1String(package)),
                      "/usr\n/usr/share/applications/" + name.toUtf8() + ".desktop\n");
            tree.text(QStringLiteral("root/usr/share/applications/%1.desktop").arg(name),
                      "[Desktop Entry]\nType=Application\nName=" + name.toUtf8() + "\nExec=/usr/bin/" + name.toUtf8()
                          + " %F\n" + (name == QLatin1String("hiddenapp") ? "NoDisplay=true\n" : ""));
        }
        tree.file(QStringLiteral("home/.config/editor/x"), 8);
        for (const char *package : {"bundled", "broken", "stubborn"})
            tree.file(QStringLiteral("home/.config/%1/settings").arg(QLatin1String(package)), 7);
    }

    // The stand-in package managers: each logs its arguments. flatpak
    // removes the deployment it is told to uninstall, or fails
    // (SW_TEST_FLATPAK_MODE=fail), or says it did and leaves it (=stay).
    // apt-get simulates "bundled" as taking "bundled-data" along, fails to
    // remove "broken", leaves "stubborn" installed, and marks any other
    // package it removes as removed in the dpkg status, as dpkg does.
    void standInPackageManagers()
    {
        flatpakEnv = std::make_unique<swtest::EnvOverride>(
            "SWEEPWRIGHT_FLATPAK",
            QFile::encodeName(script(QStringLiteral("flatpak"),
                                     "printf '%s\\n' \"$*\" >> " + tree.path(QStringLiteral("flatpak.log")).toUtf8()
                                         + "\ncase \"$SW_TEST_FLATPAK_MODE\" in\nfail) echo 'error: no' >&2; exit 1 ;;\n"
                                           "stay) exit 0 ;;\nesac\nrm -rf "
                                         + tree.path(QStringLiteral("home/.local/share/flatpak/app/")).toUtf8() + "\"$4\"\n")));
        flatpakMode = std::make_unique<swtest::EnvOverride>("SW_TEST_FLATPAK_MODE", QByteArray(""));
        aptEnv = std::make_unique<swtest::EnvOverride>(
            "SWEEPWRIGHT_APT_GET",
            QFile::encodeName(script(
                QStringLiteral("apt-get"),
                "printf '%s\\n' \"$*\" >> " + tree.path(QStringLiteral("apt.log")).toUtf8()
                    + "\nif [ \"$1\" = --simulate ]; then\n  echo \"Remv $3 [1.0]\"\n"
                      "  [ \"$3\" = bundled ] && echo 'Remv bundled-data:amd64 [1.0]'\n  exit 0\nfi\n"
                      "[ \"$3\" = broken ] && { echo 'E: Sub-process /usr/bin/dpkg returned an error code (1)' >&2; exit 100; }\n"
                      "[ \"$3\" = stubborn ] && exit 0\n"
                      "sed -i \"/^Package: $3\\$/,/^\\$/s/^Status: install ok installed/Status: deinstall ok config-files/\" "
                    + tree.path(QStringLiteral("root/var/lib/dpkg/status")).toUtf8() + "\n")));
    }

    // Ticks every item of the application named name, and nothing else.
    static void tickOnly(ORAppData &data, const QString &name)
    {
        for (ORAppDataGroup &group : data.appGroups)
            sw::selection::setGroupMarked(group, group.groupName == name);
    }

    static void tickAll(ORAppData &data)
    {
        sw::selection::setAllGroupsMarked(data.appGroups, true);
    }

    FixtureTree tree;
    QString root;
    QString home;
    std::unique_ptr<swtest::EnvOverride> flatpakEnv;
    std::unique_ptr<swtest::EnvOverride> flatpakMode;
    std::unique_ptr<swtest::EnvOverride> aptEnv;
};

TEST_F(AppCollectionTest, MacBundlesAreFoundByTheirRulesWithTheirLeftovers)
{
    useLayout(ORLayout::Kind::MacOS);
    const QString id = QStringLiteral("CFBundleIdentifier");
    const QString name = QStringLiteral("CFBundleName");
    bundle(QStringLiteral("Pages.app"), {{id, QStringLiteral("com.apple.iWork.Pages")}, {name, QStringLiteral("Pages")}});
    bundle(QStringLiteral("Xcode.app"), {{id, QStringLiteral("com.apple.dt.Xcode")}, {name, QStringLiteral("Xcode")}});
    // A binary Info.plist, in a plain folder, with an application nested in it.
    bundle(QStringLiteral("Tools/Foo.app"), {{id, QStringLiteral("com.Apple.foo")}, {name, QStringLiteral("Foo")}}, true);
    bundle(QStringLiteral("Tools/Foo.app/Contents/Helpers/Bar.app"), {{name, QStringLiteral("Bar")}});
    // Capitals, no identifier, named by its executable only.
    bundle(QStringLiteral("LOUD.APP"), {{QStringLiteral("CFBundleExecutable"), QStringLiteral("Loud")}});
    // No name at all: only its bundle.
    bundle(QStringLiteral("Nameless.app"), {{id, QStringLiteral("org.nameless")}});
    // Name equal to identifier: the same cache reached twice.
    bundle(QStringLiteral("Same.app"), {{id, QStringLiteral("org.same")}, {name, QStringLiteral("org.same")}});

    tree.file(QStringLiteral("home/Library/Caches/Foo/data"), 10);
    tree.file(QStringLiteral("root/Library/Caches/Metadata/com.Apple.foo"), 4);
    tree.file(QStringLiteral("home/Library/Application Support/CrashReporter/Foo_1.plist"), 3);
    tree.file(QStringLiteral("home/Library/Application Support/CrashReporter/foo_2.plist"), 3);
    tree.file(QStringLiteral("home/Library/Preferences/com.Apple.foo.plist"), 1);
    tree.file(QStringLiteral("home/Library/Containers/com.Apple.foo/x"), 2);
    tree.folder(QStringLiteral("home/Library/Caches/Loud"));  // empty: no item
    tree.file(QStringLiteral("home/Library/Application Support/Loud/db"), 5);
    tree.file(QStringLiteral("home/Library/Caches/org.nameless/c"), 5);
    tree.file(QStringLiteral("home/Library/Caches/org.same"), 7);

    const auto data = engine().appData();
    ASSERT_TRUE(data);
    const QMap<QString, QStringList> expected{
        {QStringLiteral("Pages"), {QStringLiteral("root/Applications/Pages.app")}},
        {QStringLiteral("Foo"),
         {QStringLiteral("home/Library/Application Support/CrashReporter/Foo_1.plist"),
          QStringLiteral("home/Library/Caches/Foo"), QStringLiteral("home/Library/Containers/com.Apple.foo"),
          QStringLiteral("home/Library/Preferences/com.Apple.foo.plist"),
          QStringLiteral("root/Applications/Tools/Foo.app"), QStringLiteral("root/Library/Caches/Metadata/com.Apple.foo")}},
        {QStringLiteral("LOUD"),
         {QStringLiteral("home/Library/Application Support/Loud"), QStringLiteral("root/Applications/LOUD.APP")}},
        {QStringLiteral("Nameless"), {QStringLiteral("root/Applications/Nameless.app")}},
        {QStringLiteral("Same"), {QStringLiteral("home/Library/Caches/org.same"), QStringLiteral("root/Applications/Same.app")}},
    };
    EXPECT_EQ(listing(*data), expected);
    qint64 total = 0;
    for (const ORAppDataGroup &group : data->appGroups) {
        EXPECT_TRUE(group.groupItems.constFirst().itemPath.endsWith(QLatin1String(".app"), Qt::CaseInsensitive))
            << "the bundle comes first in " << group.groupName.toStdString();
        total += group.groupSize;
    }
    EXPECT_EQ(data->appTotalSize, total);
    EXPECT_EQ(groupNamed(*data, QStringLiteral("Same"))->groupSize,
              7 + groupNamed(*data, QStringLiteral("Same"))->groupItems.constFirst().itemSize);
}

TEST_F(AppCollectionTest, FreedesktopApplicationsComeFromEverySourceInOrder)
{
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    QStringList names;
    for (const ORAppDataGroup &group : data->appGroups)
        names.append(group.groupName);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Tool"), QStringLiteral("Viewer"), QStringLiteral("other"),
                                  QStringLiteral("Cacher"), QStringLiteral("flatpak"), QStringLiteral("editor"), QStringLiteral("bundled"),
                                  QStringLiteral("broken"), QStringLiteral("stubborn")}));
    // A Flatpak's leftovers are its own folder alone, never one named like it.
    const QMap<QString, QStringList> expected{
        {QStringLiteral("Tool"),
         {QStringLiteral("home/.local/share/flatpak/app/org.x.Tool"), QStringLiteral("home/.var/app/org.x.Tool/config")}},
        {QStringLiteral("Viewer"),
         {QStringLiteral("home/.config/Viewer"), QStringLiteral("home/.config/Viewerrc"),
          QStringLiteral("home/.local/share/applications/viewer.desktop"),
          QStringLiteral("home/Applications/Viewer-1.0.AppImage")}},
        {QStringLiteral("other"), {QStringLiteral("home/.local/bin/other.appimage")}},
        // Named like the Flatpak folder: XDG_DATA_HOME/flatpak is never a leftover.
        {QStringLiteral("flatpak"),
         {QStringLiteral("home/.config/fp"), QStringLiteral("home/.fp"), QStringLiteral("home/.local/opt/fp"),
          QStringLiteral("home/.local/share/applications/fp.desktop")}},
        {QStringLiteral("Cacher"),
         {QStringLiteral("home/.local/opt/cacher"), QStringLiteral("home/.local/share/applications/cacher.desktop")}},
        {QStringLiteral("editor"),
         {QStringLiteral("home/.config/editor"), QStringLiteral("root/usr/share/applications/editor.desktop")}},
        {QStringLiteral("bundled"),
         {QStringLiteral("home/.config/bundled"), QStringLiteral("root/usr/share/applications/bundled.desktop")}},
        {QStringLiteral("broken"),
         {QStringLiteral("home/.config/broken"), QStringLiteral("root/usr/share/applications/broken.desktop")}},
        {QStringLiteral("stubborn"),
         {QStringLiteral("home/.config/stubborn"), QStringLiteral("root/usr/share/applications/stubborn.desktop")}},
    };
    EXPECT_EQ(listing(*data), expected);
    EXPECT_EQ(groupNamed(*data, QStringLiteral("editor"))->groupItems.constFirst().itemSize, 10 * 1024);
}

TEST_F(AppCollectionTest, RemovalTakesOnlyTheTickedItemsAndReportsWhatWent)
{
    useLayout(ORLayout::Kind::MacOS);
    bundle(QStringLiteral("Foo.app"), {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.foo")},
                                       {QStringLiteral("CFBundleName"), QStringLiteral("Foo")}});
    bundle(QStringLiteral("Bar.app"), {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.bar")},
                                       {QStringLiteral("CFBundleName"), QStringLiteral("Bar")}});
    tree.file(QStringLiteral("outside/keep/data"), 50);
    tree.file(QStringLiteral("outside/other/data"), 30);
    tree.link(QStringLiteral("home/Library/Caches/Foo"), tree.path(QStringLiteral("outside/keep")));
    tree.file(QStringLiteral("home/Library/Application Support/Foo/db"), 20);
    const QString prefs = tree.file(QStringLiteral("home/Library/Preferences/org.foo.plist"), 1);
    tree.file(QStringLiteral("home/Library/Caches/Bar/c"), 9);

    const auto data = engine().appData();
    ASSERT_TRUE(data);
    tickAll(*data);
    QStringList ticked;
    for (ORAppDataGroup &group : data->appGroups) {
        for (qsizetype i = 0; i < group.groupItems.size(); ++i)
            if (group.groupItems.at(i).itemPath == prefs)
                sw::selection::setItemMarked(group, i, false);
        for (const ORAppDataItem &item : group.groupItems)
            if (item.isDel)
                ticked.append(item.itemPath);
    }
    ASSERT_EQ(ticked.size(), 5);
    // Swapped for a link between the scan and the removal.
    const QString support = tree.path(QStringLiteral("home/Library/Application Support/Foo"));
    QDir(support).removeRecursively();
    tree.link(QStringLiteral("home/Library/Application Support/Foo"), tree.path(QStringLiteral("outside/other")));

    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(gone, ticked)) << gone.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/keep/data")));
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/other/data")));
    EXPECT_TRUE(QFile::exists(prefs));
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, ticked));
    EXPECT_EQ(engine().delSize(), report.removedBytes());

    // The record lists each removed item once, across both applications.
    const ORAppDataGroup record = engine().delGroup();
    QStringList recorded;
    qint64 recordedBytes = 0;
    for (const ORAppDataItem &item : record.groupItems) {
        recorded.append(item.itemPath);
        recordedBytes += item.itemSize;
    }
    EXPECT_EQ(recorded.size(), QSet<QString>(recorded.cbegin(), recorded.cend()).size());
    EXPECT_GE(recorded.size(), 4);
    EXPECT_EQ(engine().appDataDel().size(), recorded.size());
    EXPECT_EQ(recordedBytes, engine().delSize());
}

TEST_F(AppCollectionTest, AFailedAdministratorRemovalIsReportedAndNotCounted)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may remove anything";
    useLayout(ORLayout::Kind::MacOS);
    swtest::PkexecStandIn pkexec;  // runs rm as this user, who may not remove it
    const QString app = bundle(QStringLiteral("Foo.app"), {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.foo")},
                                                           {QStringLiteral("CFBundleName"), QStringLiteral("Foo")}});
    const QString locked = tree.file(QStringLiteral("root/Library/Caches/Foo/data"), 40);
    const QString lockedFolder = tree.path(QStringLiteral("root/Library/Caches/Foo"));
    QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::ExeOwner);
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    tickAll(*data);
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    QFile::setPermissions(lockedFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(pkexec.starts().size(), 1);
    EXPECT_TRUE(QFile::exists(locked));
    EXPECT_FALSE(QFile::exists(app));
    ASSERT_EQ(report.failures().size(), 1);
    EXPECT_EQ(report.failures().constFirst().path, lockedFolder);
    EXPECT_EQ(engine().delSize(), data->appGroups.constFirst().groupItems.constFirst().itemSize);
    ASSERT_EQ(engine().delGroup().groupItems.size(), 1);
    EXPECT_EQ(engine().delGroup().groupItems.constFirst().itemPath, app);
}

TEST_F(AppCollectionTest, PackagesGoThroughTheirManagersOnlyWhenNothingElseGoes)
{
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    standInPackageManagers();
    swtest::PkexecStandIn pkexec;
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    const qint64 toolSize = data->appGroups.constFirst().groupItems.constFirst().itemSize;
    for (ORAppDataGroup &group : data->appGroups)  // the packages alone
        if (group.groupName == QLatin1String("Tool") || group.groupName == QLatin1String("editor")
            || group.groupName == QLatin1String("bundled") || group.groupName == QLatin1String("broken"))
            sw::selection::setItemMarked(group, 0, true);
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);

    EXPECT_EQ(logLines(QStringLiteral("flatpak.log")),
              QStringList{QStringLiteral("uninstall --noninteractive --user org.x.Tool")});
    EXPECT_EQ(logLines(QStringLiteral("apt.log")),
              (QStringList{QStringLiteral("--simulate remove editor"), QStringLiteral("remove --yes editor"),
                           QStringLiteral("--simulate remove bundled"), QStringLiteral("--simulate remove broken"),
                           QStringLiteral("remove --yes broken")}));
    EXPECT_EQ(pkexec.starts().size(), 2);  // apt-get remove only; the user's Flatpak needs no rights
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.local/share/flatpak/app/org.x.Tool")));
    // A failed privileged removal is reported, and not counted.
    EXPECT_EQ(engine().delSize(), toolSize + 10 * 1024);
    ASSERT_EQ(report.failures().size(), 2);
    EXPECT_TRUE(report.failures().at(0).reason.contains(QLatin1String("bundled-data")));
    EXPECT_TRUE(report.failures().at(1).path.endsWith(QLatin1String("broken.desktop")));
    EXPECT_EQ(engine().delGroup().groupItems.size(), 2);
    EXPECT_TRUE(tree.exists(QStringLiteral("root/usr/share/applications/bundled.desktop")));  // never deleted
}

// The paths of the items the report names as left in place, relative to
// the tree, each with its reason.
QMap<QString, QString> leftInPlace(const sw::RemovalReport &report, const QString &treeRoot)
{
    QMap<QString, QString> left;
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        if (!outcome.ok())
            left.insert(outcome.path.mid(treeRoot.size() + 1), outcome.failures.constFirst().reason);
    return left;
}

TEST_F(AppCollectionTest, CancellingThePasswordDialogEndsTheRunBeforeAnyLeftover)
{
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    standInPackageManagers();
    swtest::PkexecStandIn pkexec;
    pkexec.setMode("cancel");
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    tickAll(*data);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_EQ(pkexec.starts().size(), 1);  // editor's removal, dismissed
    EXPECT_EQ(logLines(QStringLiteral("apt.log")), QStringList{QStringLiteral("--simulate remove editor")});
    // The applications that needed no password went, and nothing else.
    const QStringList applications{tree.path(QStringLiteral("home/.local/share/flatpak/app/org.x.Tool")),
                                   tree.path(QStringLiteral("home/Applications/Viewer-1.0.AppImage")),
                                   tree.path(QStringLiteral("home/.local/bin/other.appimage")),
                                   tree.path(QStringLiteral("home/.local/opt/cacher")),
                                   tree.path(QStringLiteral("home/.local/opt/fp"))};
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(gone, applications)) << gone.toStdString();
    for (const QString &application : applications)
        EXPECT_FALSE(swtest::FixtureTree::existsAt(application)) << application.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    // Every leftover is reported as left in place, once.
    const QMap<QString, QString> left = leftInPlace(report, tree.root());
    for (const QString &leftover : {QStringLiteral("home/.fp"), QStringLiteral("home/.config/editor"),
                                    QStringLiteral("home/.var/app/org.x.Tool/config"), QStringLiteral("home/.config/Viewer")})
        EXPECT_TRUE(left.value(leftover).contains(QLatin1String("cancelled"))) << leftover.toStdString();
    EXPECT_EQ(left.size(), report.failedCount());
    EXPECT_EQ(engine().delSize() + report.failedBytes(), data->appTotalSize);
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, applications));
}

struct StayingRow
{
    const char *name;
    const char *application;
    const char *pkexecMode;   // "" to let it run
    const char *flatpakMode;  // "" to let it work
    const char *why;          // in the application's reason
};

class ApplicationThatStays : public AppCollectionTest, public ::testing::WithParamInterface<StayingRow>
{
};

TEST_P(ApplicationThatStays, KeepsEveryLeftoverAndTheReportSaysWhy)
{
    const StayingRow &row = GetParam();
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    standInPackageManagers();
    swtest::PkexecStandIn pkexec;
    pkexec.setMode(row.pkexecMode);
    qputenv("SW_TEST_FLATPAK_MODE", row.flatpakMode);
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    tickOnly(*data, QLatin1String(row.application));
    const ORAppDataGroup *group = groupNamed(*data, QLatin1String(row.application));
    ASSERT_TRUE(group);
    ASSERT_GE(group->groupItems.size(), 2) << "the application and a leftover";
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_TRUE(before.vanished(after).isEmpty()) << before.vanished(after).join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(engine().delSize(), 0);
    ASSERT_EQ(report.outcomes().size(), group->groupItems.size());
    const QString self = group->groupItems.constFirst().itemPath;
    for (const sw::RemovalOutcome &outcome : report.outcomes()) {
        ASSERT_FALSE(outcome.ok()) << outcome.path.toStdString();
        const QString &reason = outcome.failures.constFirst().reason;
        EXPECT_TRUE(reason.contains(QLatin1String(row.why))) << reason.toStdString();
        if (outcome.path != self) {
            EXPECT_TRUE(reason.startsWith(QLatin1String("left in place: the application itself was not removed (")))
                << reason.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ApplicationThatStays,
    ::testing::Values(StayingRow{"AptGetWouldTakeAnotherPackageAlong", "bundled", "", "", "bundled-data"},
                      StayingRow{"AptGetFails", "broken", "", "", "exit status 100"},
                      StayingRow{"AptGetLeavesThePackageInstalled", "stubborn", "", "", "apt-get left it installed"},
                      StayingRow{"PasswordDialogDismissed", "editor", "cancel", "", "cancelled"},
                      StayingRow{"FlatpakFails", "Tool", "", "fail", "flatpak failed"},
                      StayingRow{"FlatpakLeavesTheDeployment", "Tool", "", "stay", "flatpak left it installed"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AppCollectionTest, ApplicationsGoFirstAndTheirLeftoversOnceTheyAreGone)
{
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    standInPackageManagers();
    swtest::PkexecStandIn pkexec;
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    tickOnly(*data, QStringLiteral("editor"));
    sw::selection::setGroupMarked(*groupNamed(*data, QStringLiteral("Tool")), true);
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);

    EXPECT_TRUE(report.isClean()) << leftInPlace(report, tree.root()).values().join(QLatin1Char(' ')).toStdString();
    QStringList order;
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        order.append(outcome.path.mid(tree.root().size() + 1));
    EXPECT_EQ(order, (QStringList{QStringLiteral("home/.local/share/flatpak/app/org.x.Tool"),
                                  QStringLiteral("root/usr/share/applications/editor.desktop"),
                                  QStringLiteral("home/.var/app/org.x.Tool/config"), QStringLiteral("home/.config/editor")}));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.config/editor")));
    EXPECT_FALSE(tree.exists(QStringLiteral("home/.var/app/org.x.Tool/config")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/usr/share/applications/editor.desktop")));  // apt-get's to remove
}

TEST_F(AppCollectionTest, ALeftoverTickedWithoutItsApplicationStaysInTheFreedesktopLayout)
{
    useLayout(ORLayout::Kind::Freedesktop);
    plantFreedesktop();
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    ORAppDataGroup *viewer = groupNamed(*data, QStringLiteral("Viewer"));
    ASSERT_TRUE(viewer);
    for (qsizetype i = 0; i < viewer->groupItems.size(); ++i)
        if (viewer->groupItems.at(i).itemPath.endsWith(QLatin1String("/.config/Viewer")))
            sw::selection::setItemMarked(*viewer, i, true);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);

    EXPECT_TRUE(before.vanished(TreeSnapshot::of(tree.root())).isEmpty());
    EXPECT_EQ(leftInPlace(report, tree.root()),
              (QMap<QString, QString>{{QStringLiteral("home/.config/Viewer"),
                                       QStringLiteral("left in place: the application itself is not being removed")}}));

    // The macos layout removes what is ticked, as ticked.
    engine().startOver();
    useLayout(ORLayout::Kind::MacOS);
    bundle(QStringLiteral("Foo.app"), {{QStringLiteral("CFBundleName"), QStringLiteral("Foo")}});
    tree.file(QStringLiteral("home/Library/Caches/Foo/c"), 9);
    const auto mac = engine().appData();
    ASSERT_TRUE(mac);
    sw::selection::setItemMarked(mac->appGroups[0], 1, true);
    sw::JobControl macJob;
    EXPECT_TRUE(engine().remove(macJob).isClean());
    EXPECT_FALSE(tree.exists(QStringLiteral("home/Library/Caches/Foo")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/Applications/Foo.app")));
}

TEST_F(AppCollectionTest, AFolderTwoApplicationsListGoesOnceAndIsReportedOnce)
{
    useLayout(ORLayout::Kind::MacOS);
    bundle(QStringLiteral("One.app"), {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.one")},
                                       {QStringLiteral("CFBundleName"), QStringLiteral("Shared")}});
    bundle(QStringLiteral("Two.app"), {{QStringLiteral("CFBundleIdentifier"), QStringLiteral("org.two")},
                                       {QStringLiteral("CFBundleName"), QStringLiteral("Shared")}});
    const QString shared = tree.path(QStringLiteral("home/Library/Caches/Shared"));
    tree.file(QStringLiteral("home/Library/Caches/Shared/data"), 30);
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    ASSERT_EQ(data->appGroups.size(), 2);
    for (const ORAppDataGroup &group : data->appGroups)
        ASSERT_EQ(group.groupItems.constLast().itemPath, shared);
    tickAll(*data);
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_TRUE(report.isClean());
    const auto sharedOutcomes = std::count_if(report.outcomes().cbegin(), report.outcomes().cend(),
                                              [&shared](const sw::RemovalOutcome &o) { return o.path == shared; });
    EXPECT_EQ(sharedOutcomes, 1);
    EXPECT_EQ(report.outcomes().size(), 3);
    const QStringList items{tree.path(QStringLiteral("root/Applications/One.app")),
                            tree.path(QStringLiteral("root/Applications/Two.app")), shared};
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, items));
    EXPECT_EQ(engine().appDataDel().size(), 3);
}

TEST_F(AppCollectionTest, EachApplicationOfAVendorFolderIsItsOwnFolder)
{
    useLayout(ORLayout::Kind::Freedesktop);
    swtest::FreedesktopSystem system(tree);
    system.homeApp(QStringLiteral("home/opt/jetbrains/idea-IC/bin/idea.sh"), QStringLiteral("jetbrains-idea"),
                   "IntelliJ IDEA");
    tree.file(QStringLiteral("home/opt/jetbrains/idea-IC/lib/app.jar"), 500);
    system.homeApp(QStringLiteral("home/opt/jetbrains/pycharm-CE/bin/pycharm.sh"), QStringLiteral("jetbrains-pycharm"),
                   "PyCharm");
    tree.file(QStringLiteral("home/opt/jetbrains/pycharm-CE/lib/app.jar"), 400);
    tree.file(QStringLiteral("home/opt/jetbrains/licence-keys.txt"), 20);  // the user's
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    EXPECT_EQ(listing(*data),
              (QMap<QString, QStringList>{
                  {QStringLiteral("IntelliJ IDEA"),
                   {QStringLiteral("home/.local/share/applications/jetbrains-idea.desktop"),
                    QStringLiteral("home/opt/jetbrains/idea-IC")}},
                  {QStringLiteral("PyCharm"),
                   {QStringLiteral("home/.local/share/applications/jetbrains-pycharm.desktop"),
                    QStringLiteral("home/opt/jetbrains/pycharm-CE")}}}));
    tickOnly(*data, QStringLiteral("IntelliJ IDEA"));
    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_TRUE(report.isClean());
    const QStringList items{tree.path(QStringLiteral("home/opt/jetbrains/idea-IC")),
                            tree.path(QStringLiteral("home/.local/share/applications/jetbrains-idea.desktop"))};
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(gone, items)) << gone.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("home/opt/jetbrains/pycharm-CE/bin/pycharm.sh")));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/opt/jetbrains/licence-keys.txt")));
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, items));
}

// Each leftover of a home application and of a Flatpak gets its kind from
// where it lies; a tick of the whole application takes its caches and
// settings and leaves the user's data, which goes only when asked for.
TEST_F(AppCollectionTest, TickingAnApplicationLeavesTheUsersDataUnticked)
{
    useLayout(ORLayout::Kind::Freedesktop);
    swtest::FreedesktopSystem system(tree);
    system.homeApp(QStringLiteral("home/.local/opt/mailer/bin/mailer"), QStringLiteral("mailer"), "Mail");
    tree.file(QStringLiteral("home/.cache/mailer/c"), 11);
    tree.file(QStringLiteral("home/.config/mailer/prefs"), 12);
    tree.file(QStringLiteral("home/.local/state/mailer/history"), 13);
    tree.file(QStringLiteral("home/.local/share/mailer/index"), 14);
    tree.file(QStringLiteral("home/.mailer/Mail/inbox"), 15);
    system.flatpak(QStringLiteral("home/.local/share/flatpak"), QStringLiteral("org.x.Notes"), "Notes");
    tree.file(QStringLiteral("home/.var/app/org.x.Notes/cache/c"), 21);
    tree.file(QStringLiteral("home/.var/app/org.x.Notes/config/c"), 22);
    tree.file(QStringLiteral("home/.var/app/org.x.Notes/.local/state/s"), 23);
    tree.file(QStringLiteral("home/.var/app/org.x.Notes/data/notes.db"), 24);
    const auto data = engine().appData();
    ASSERT_TRUE(data);

    using Kind = sw::AppItemKind;
    const QMap<QString, Kind> expected{
        {QStringLiteral("home/.local/opt/mailer"), Kind::App},
        {QStringLiteral("home/.cache/mailer"), Kind::Cache},
        {QStringLiteral("home/.config/mailer"), Kind::Settings},
        {QStringLiteral("home/.local/state/mailer"), Kind::Settings},
        {QStringLiteral("home/.local/share/applications/mailer.desktop"), Kind::Settings},
        {QStringLiteral("home/.local/share/mailer"), Kind::Data},
        {QStringLiteral("home/.mailer"), Kind::Data},
        {QStringLiteral("home/.local/share/flatpak/app/org.x.Notes"), Kind::App},
        {QStringLiteral("home/.var/app/org.x.Notes/cache"), Kind::Cache},
        {QStringLiteral("home/.var/app/org.x.Notes/config"), Kind::Settings},
        {QStringLiteral("home/.var/app/org.x.Notes/.local"), Kind::Settings},
        {QStringLiteral("home/.var/app/org.x.Notes/data"), Kind::Data},
    };
    QMap<QString, Kind> kinds;
    for (ORAppDataGroup &group : data->appGroups) {
        sw::AppTicks::markApplication(group, true);
        EXPECT_EQ(group.isGroupDelFlag, 1) << group.groupName.toStdString();
        qint64 ticked = 0;
        for (const ORAppDataItem &item : group.groupItems) {
            const QString rel = item.itemPath.mid(tree.root().size() + 1);
            kinds.insert(rel, item.kind);
            EXPECT_EQ(item.isDel, item.kind != Kind::Data) << rel.toStdString();
            ticked += item.isDel ? item.itemSize : 0;
        }
        EXPECT_EQ(group.groupSelectedSize, ticked);
        sw::AppTicks::markApplication(group, true, true);
        EXPECT_EQ(group.isGroupDelFlag, 2);
        EXPECT_EQ(group.groupSelectedSize, group.groupSize);
    }
    EXPECT_EQ(kinds, expected);
}

// The list shows an application by its Name= in the user's language; its
// leftovers are still found by the name it was installed under.
TEST_F(AppCollectionTest, ApplicationsAreListedInTheUsersLanguage)
{
    useLayout(ORLayout::Kind::Freedesktop);
    const QString appImage = tree.text(QStringLiteral("home/Applications/Viewer.AppImage"), "ELF viewer bytes");
    QFile::setPermissions(appImage, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    tree.text(QStringLiteral("home/.local/share/applications/viewer.desktop"),
              "[Desktop Entry]\nType=Application\nName=Viewer\nName[de]=Betrachter\nName[pt]=Visualizador\n"
              "Name[pt_BR]=Visualizador de imagens\nExec="
                  + appImage.toUtf8() + " %U\n");
    tree.file(QStringLiteral("home/.config/Viewer/s"), 30);
    const swtest::EnvOverride all("LC_ALL", QByteArray());
    const swtest::EnvOverride messages("LC_MESSAGES", QByteArray());
    const swtest::EnvOverride lang("LANG", "de_DE.UTF-8");
    for (const auto &[language, name] : {std::pair{"pt_BR", "Visualizador de imagens"}, std::pair{"pt", "Visualizador"},
                                         std::pair{"ja:pt_PT", "Visualizador"}, std::pair{"en_US", "Viewer"},
                                         std::pair{static_cast<const char *>(nullptr), "Betrachter"}}) {
        const swtest::EnvOverride chosen("LANGUAGE", QByteArray(language));
        engine().startOver();
        const auto data = engine().appData();
        ASSERT_TRUE(data);
        const QMap<QString, QStringList> expected{
            {QString::fromUtf8(name),
             {QStringLiteral("home/.config/Viewer"), QStringLiteral("home/.local/share/applications/viewer.desktop"),
              QStringLiteral("home/Applications/Viewer.AppImage")}}};
        EXPECT_EQ(listing(*data), expected) << (language ? language : "(unset)");
    }
}

// What the user owns goes to the Trash, whole and restorable, with its info
// file; a folder swapped for a link after the scan goes as the link, and
// what the link led to stays untouched. The user's data stays in place.
TEST_F(AppCollectionTest, AnAppImageAndAHomeApplicationGoToTheTrash)
{
    useLayout(ORLayout::Kind::Freedesktop);
    swtest::FreedesktopSystem system(tree);
    const QString appImage = tree.text(QStringLiteral("home/Applications/Viewer.AppImage"), "ELF viewer bytes");
    QFile::setPermissions(appImage, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    system.userEntry(QStringLiteral("viewer"), "Viewer", appImage.toUtf8());
    tree.file(QStringLiteral("home/.config/Viewer/s"), 30);
    tree.file(QStringLiteral("home/.local/share/Viewer/library.db"), 40);
    system.homeApp(QStringLiteral("home/.local/opt/fp/bin/fp"), QStringLiteral("fp"), "Fp");
    tree.file(QStringLiteral("home/.local/opt/fp/lib/core"), 200);
    tree.file(QStringLiteral("outside/fpcopy/lib/core"), 200);
    const auto data = engine().appData();
    ASSERT_TRUE(data);
    for (ORAppDataGroup &group : data->appGroups)
        sw::AppTicks::markApplication(group, true);
    // Swapped for a link between the scan and the removal.
    const QString fp = tree.path(QStringLiteral("home/.local/opt/fp"));
    QDir(fp).removeRecursively();
    tree.link(QStringLiteral("home/.local/opt/fp"), tree.path(QStringLiteral("outside/fpcopy")));
    const QByteArray viewerDigest = TreeSnapshot::of(appImage).entries().value(QFile::encodeName(appImage)).digest;

    const TreeSnapshot before = TreeSnapshot::of(tree.root());
    sw::JobControl job;
    const sw::RemovalReport report = engine().remove(job);
    const TreeSnapshot after = TreeSnapshot::of(tree.root());

    EXPECT_TRUE(report.isClean()) << leftInPlace(report, tree.root()).values().join(QLatin1Char(' ')).toStdString();
    QStringList ticked;
    for (const ORAppDataGroup &group : data->appGroups)
        for (const ORAppDataItem &item : group.groupItems)
            if (item.isDel)
                ticked.append(item.itemPath);
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(gone, ticked)) << gone.toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(engine().delSize(), before.bytesGone(after, ticked));
    EXPECT_TRUE(tree.exists(QStringLiteral("home/.local/share/Viewer/library.db")));
    EXPECT_TRUE(tree.exists(QStringLiteral("outside/fpcopy/lib/core")));
    EXPECT_EQ(engine().trashedCount(), ticked.size());

    // In the Trash as it was, each with the info file that puts it back.
    const QString trash = tree.path(QStringLiteral("home/.local/share/Trash"));
    const QString trashedViewer = trash + QStringLiteral("/files/Viewer.AppImage");
    EXPECT_EQ(after.entries().value(QFile::encodeName(trashedViewer)).digest, viewerDigest);
    EXPECT_EQ(QFileInfo(trash + QStringLiteral("/files/fp")).symLinkTarget(), tree.path(QStringLiteral("outside/fpcopy")));
    for (const auto &[name, original] : {std::pair{QStringLiteral("Viewer.AppImage"), appImage}, std::pair{QStringLiteral("fp"), fp}}) {
        const QByteArray info = swtest::FixtureTree::bytesAt(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        EXPECT_TRUE(info.startsWith("[Trash Info]\nPath=" + sw::Trash::encodePath(original) + "\nDeletionDate="))
            << info.toStdString();
    }
}

}  // namespace
