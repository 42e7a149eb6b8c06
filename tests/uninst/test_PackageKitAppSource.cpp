// SPDX-License-Identifier: GPL-3.0-or-later
// The system packages the uninstaller finds through PackageKit, and dpkg's
// database read instead whenever PackageKit gives no answer.

#include "support/LayoutTree.h"
#include "support/FreedesktopSystem.h"
#include "support/PackageKitStandIn.h"

#include "core/foundation/JobControl.h"
#include "core/uninst/ORAppDataCollection.h"
#include "core/uninst/PackageKitAppSource.h"
#include "core/uninst/PackageKitClient.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMap>

#include <optional>

using sw::InstalledApp;
using swtest::PackageKitStandIn;

namespace {

const QString kEditor = QStringLiteral("editor;2.1-1;amd64;debian");
const QString kCommon = QStringLiteral("editor-common;2.1-1;all;debian");
const QString kFonts = QStringLiteral("fonts-x;1;all;debian");
const QString kHelper = QStringLiteral("helper;1.0;amd64;debian");
const QString kViewer = QStringLiteral("viewer;0.9;amd64;debian");

// Three packages with an entry (one hidden, one whose program is
// python3), what the editor needs, an entry no package owns and one with a
// name PackageKit would refuse to search for. dpkg's database holds the
// same packages, with sizes of its own.
class PackageKitSourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        swtest::FreedesktopSystem system(tree);
        system.package({QStringLiteral("editor"),
                        QStringLiteral("editor"),
                        "Editor",
                        "/usr/bin/editor %F",
                        {QStringLiteral("/usr/bin/editor")},
                        "editor-common",
                        false,
                        100});
        system.package({QStringLiteral("helper"),
                        QStringLiteral("helper"),
                        "Helper",
                        "/usr/libexec/helper",
                        {},
                        {},
                        true,
                        5});
        system.package({QStringLiteral("viewer"),
                        QStringLiteral("viewer"),
                        "Viewer",
                        "python3 /usr/share/viewer/viewer.py",
                        {QStringLiteral("/usr/share/viewer/viewer.py")},
                        {},
                        false,
                        7});
        for (const char *name : {"orphan", "we$ird"})
            tree.text(QStringLiteral("root/usr/share/applications/%1.desktop").arg(QLatin1String(name)),
                      swtest::FreedesktopSystem::desktopEntry(name, name));
    }

    void TearDown() override
    {
        ORAppDataCollection::shareInstance().startOver();
    }

    // The applications' packages list their folders, as dpkg does.
    static QList<PackageKitStandIn::Package> packages()
    {
        const QString applications = QStringLiteral("/usr/share/applications");
        const auto entry = [&](const char *name) {
            return applications + QStringLiteral("/%1.desktop").arg(QLatin1String(name));
        };
        return {
            {kEditor,
             {applications, entry("editor"), QStringLiteral("/usr/bin/editor"),
              QStringLiteral("/usr/share/editor/a")},
             4200000,
             QStringLiteral("Edits text"),
             {kCommon},
             {},
             {}},
            // Its plug-in for the viewer lies in a folder named like the viewer.
            {kCommon,
             {QStringLiteral("/usr/share/editor-common/b"), QStringLiteral("/usr/share/suite/c"),
              QStringLiteral("/usr/share/viewer/plugin")},
             10,
             {},
             {kFonts},
             {},
             {}},
            {kFonts, {QStringLiteral("/usr/share/fonts-x/d")}, 10, {}, {}, {}, {}},
            {kHelper, {applications, entry("helper")}, 50, QStringLiteral("Helps"), {}, {}, {}},
            {kViewer,
             {applications, entry("viewer"), QStringLiteral("/usr/share/viewer/viewer.py")},
             70,
             QStringLiteral("Views"),
             {},
             {},
             {}},
        };
    }

    swtest::LayoutTree tree;
};

struct SearchRow
{
    const char *name;
    bool oneFilePerSearch;
};

class PackageKitSearch : public PackageKitSourceTest, public ::testing::WithParamInterface<SearchRow>
{
};

TEST_P(PackageKitSearch, FindsTheOwnerOfEachDesktopEntryWithItsSizeAndSummary)
{
    PackageKitStandIn packageKit;
    ASSERT_TRUE(packageKit.start(PackageKitStandIn::config(packages(), {}, {}, GetParam().oneFilePerSearch)));
    sw::JobControl job;
    const std::optional<sw::InstalledApps> apps = sw::PackageKitAppSource::find(job);
    ASSERT_TRUE(apps);
    QMap<QString, InstalledApp> byId;
    for (const InstalledApp &app : *apps)
        byId.insert(app.packageId, app);
    ASSERT_EQ(byId.keys(), (QStringList{kEditor, kHelper, kViewer}));

    const InstalledApp editor = byId.value(kEditor);
    EXPECT_EQ(editor.kind, InstalledApp::Kind::Package);
    EXPECT_EQ(editor.identifier, QStringLiteral("editor"));
    EXPECT_EQ(editor.groupName, QStringLiteral("Editor"));
    EXPECT_EQ(editor.bundlePath, tree.path(QStringLiteral("root/usr/share/applications/editor.desktop")));
    EXPECT_EQ(editor.packageSize, 4200000);
    EXPECT_EQ(editor.summary, QStringLiteral("Edits text"));
    EXPECT_TRUE(editor.ownsProgram);
    EXPECT_FALSE(byId.value(kHelper).shown);
    EXPECT_FALSE(byId.value(kViewer).ownsProgram) << "python3 is not the viewer's";

    // What the editor needs, directly or not, is shared by all of them; the
    // folder named like the viewer only by the viewer and the editor.
    const QStringList common{QStringLiteral("editor-common"), QStringLiteral("fonts-x"),
                             QStringLiteral("suite")};
    const QString applications = QStringLiteral("applications");
    EXPECT_EQ(editor.dataNames, (QStringList{applications, QStringLiteral("editor")} + common
                                 + QStringList{QStringLiteral("viewer")}));
    EXPECT_EQ(byId.value(kHelper).dataNames, QStringList{applications} + common);
    EXPECT_EQ(byId.value(kViewer).dataNames,
              (QStringList{applications} + common + QStringList{QStringLiteral("viewer")}));
    EXPECT_EQ(packageKit.calls(QStringLiteral("RequiredBy")).size(), 1);

    // Every entry is searched for but the one PackageKit would refuse.
    const QString searches = packageKit.calls(QStringLiteral("SearchFiles")).join(QLatin1Char('\n'));
    EXPECT_TRUE(searches.contains(QLatin1String("/usr/share/applications/orphan.desktop")));
    EXPECT_FALSE(searches.contains(QLatin1String("we$ird")));

    // The engine lists them with PackageKit's sizes.
    const auto data = ORAppDataCollection::shareInstance().appData();
    ASSERT_TRUE(data);
    ASSERT_EQ(data->appGroups.size(), 2);
    EXPECT_EQ(data->appGroups.constFirst().groupName, QStringLiteral("Editor"));
    EXPECT_EQ(data->appGroups.constFirst().groupItems.constFirst().itemSize, 4200000);
    EXPECT_EQ(ORAppDataCollection::shareInstance().installedApps().constFirst().kind,
              InstalledApp::Kind::Package);
}

INSTANTIATE_TEST_SUITE_P(Searches, PackageKitSearch,
                         ::testing::Values(SearchRow{"AllEntriesInOneSearch", false},
                                           SearchRow{"AnAptBackendThatFindsOneFileAtATime", true}),
                         [](const auto &info) { return std::string(info.param.name); });

enum class Answer { NoService, NoBus, NeverFinishes, LeavesTheBus, OtherRoot };

struct SilentRow
{
    const char *name;
    Answer answer;
};

class WithoutAnAnswerFromPackageKit : public PackageKitSourceTest,
                                      public ::testing::WithParamInterface<SilentRow>
{
};

TEST_P(WithoutAnAnswerFromPackageKit, DpkgsDatabaseIsRead)
{
    const Answer answer = GetParam().answer;
    PackageKitStandIn packageKit;
    ASSERT_TRUE(packageKit.hasBus());
    std::optional<swtest::EnvOverride> bus;
    if (answer == Answer::NoBus)
        bus.emplace("SWEEPWRIGHT_PACKAGEKIT_BUS",
                    "unix:path=" + QFile::encodeName(tree.path(QStringLiteral("nobus"))));
    if (answer == Answer::OtherRoot)  // the system bus, asked only about the system's own root
        bus.emplace("SWEEPWRIGHT_PACKAGEKIT_BUS", QByteArray());
    if (answer == Answer::NeverFinishes || answer == Answer::LeavesTheBus) {
        ASSERT_TRUE(packageKit.start(PackageKitStandIn::config(
            packages(), answer == Answer::NeverFinishes ? QStringLiteral("DependsOn") : QString(),
            answer == Answer::LeavesTheBus ? QStringLiteral("DependsOn") : QString())));
    }
    const auto previous = answer == Answer::NeverFinishes
                              ? sw::PackageKitClient::setIdleTimeouts(300, 300)
                              : sw::PackageKitClient::setIdleTimeouts(60000, 60000);
    QElapsedTimer clock;
    clock.start();
    const auto data = ORAppDataCollection::shareInstance().appData();
    sw::PackageKitClient::setIdleTimeouts(previous.first, previous.second);

    EXPECT_LT(clock.elapsed(), 20000) << "the scan waited for PackageKit";
    ASSERT_TRUE(data);
    const sw::InstalledApps apps = ORAppDataCollection::shareInstance().installedApps();
    ASSERT_EQ(apps.size(), 2);
    EXPECT_EQ(apps.constFirst().identifier, QStringLiteral("editor"));
    EXPECT_EQ(apps.constFirst().kind, InstalledApp::Kind::Debian);
    EXPECT_EQ(apps.constFirst().packageSize, 100 * 1024);
    if (answer == Answer::NeverFinishes) {  // given up, and not left running
        EXPECT_EQ(packageKit.callsOnceThere(QStringLiteral("Cancel"), 1).size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Fallback, WithoutAnAnswerFromPackageKit,
                         ::testing::Values(SilentRow{"NoPackageKitOnTheBus", Answer::NoService},
                                           SilentRow{"NoBusAtAll", Answer::NoBus},
                                           SilentRow{"ATransactionThatNeverFinishes", Answer::NeverFinishes},
                                           SilentRow{"PackageKitLeavesTheBusMidScan", Answer::LeavesTheBus},
                                           SilentRow{"TheSystemsOwnIsNotAskedAboutAnotherRoot",
                                                     Answer::OtherRoot}),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
