// SPDX-License-Identifier: GPL-3.0-or-later
// Packages removed through PackageKit: only the package asked for, only
// when nothing else would go, and its leftovers only once it is gone.

#include "support/LayoutTree.h"
#include "support/FreedesktopSystem.h"
#include "support/PackageKitStandIn.h"
#include "support/TreeSnapshot.h"

#include "core/foundation/JobControl.h"
#include "core/foundation/ORSelection.h"
#include "core/uninst/ORAppDataCollection.h"

#include <gtest/gtest.h>

#include <QMap>

using swtest::PackageKitStandIn;
using swtest::TreeSnapshot;

namespace {

QString idOf(const char *name)
{
    return QStringLiteral("%1;1.0;amd64;fedora").arg(QLatin1String(name));
}

// Five packages with an application and a settings folder each: one that
// goes, one that would take another along, one whose password prompt is
// dismissed, one whose removal fails, one PackageKit says it removed and
// leaves installed.
class PackageKitRemovalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        QList<PackageKitStandIn::Package> packages;
        for (const auto &[name, removal] : {std::pair{"editor", "ok"},
                                            {"bundled", "ok"},
                                            {"locked", "refuse"},
                                            {"broken", "fail"},
                                            {"stubborn", "stay"}}) {
            const QString entry =
                QStringLiteral("/usr/share/applications/%1.desktop").arg(QLatin1String(name));
            tree.text(QStringLiteral("root") + entry,
                      swtest::FreedesktopSystem::desktopEntry(name, QByteArray("/usr/bin/") + name));
            tree.file(QStringLiteral("root/home/me/.config/%1/settings").arg(QLatin1String(name)), 7);
            packages.append({idOf(name),
                             {entry, QStringLiteral("/usr/bin/") + QLatin1String(name)},
                             3000,
                             {},
                             {},
                             {},
                             QLatin1String(removal)});
        }
        packages[1].takes = {QStringLiteral("bundled-data;1.0;noarch;fedora")};
        packages.append(
            {packages[1].takes.constFirst(), {QStringLiteral("/usr/share/bundled/x")}, 10, {}, {}, {}, {}});
        ASSERT_TRUE(packageKit.start(PackageKitStandIn::config(packages)));
    }

    void TearDown() override
    {
        engine().startOver();
    }

    static ORAppDataCollection &engine() { return ORAppDataCollection::shareInstance(); }

    // Scans, ticks every item of the application named name alone, removes.
    sw::RemovalReport removeOnly(const QString &name, qsizetype &items)
    {
        const auto data = engine().appData();
        items = 0;
        if (!data)
            return {};
        for (ORAppDataGroup &group : data->appGroups) {
            sw::selection::setGroupMarked(group, group.groupName == name);
            if (group.groupName == name)
                items = group.groupItems.size();
        }
        sw::JobControl job;
        return engine().remove(job);
    }

    swtest::LayoutTree tree;
    PackageKitStandIn packageKit;
};

TEST_F(PackageKitRemovalTest, OnlyThatPackageIsAskedForThenItsLeftoversGo)
{
    const TreeSnapshot before = TreeSnapshot::of(tree.root);
    qsizetype items = 0;
    const sw::RemovalReport report = removeOnly(QStringLiteral("editor"), items);
    const TreeSnapshot after = TreeSnapshot::of(tree.root);

    ASSERT_EQ(items, 2);
    EXPECT_EQ(report.failedCount(), 0);
    const QString editor = idOf("editor");
    EXPECT_EQ(
        packageKit.calls(QStringLiteral("RemovePackages")),
        (QStringList{QStringLiteral("RemovePackages 4 %1 1 0").arg(editor),  // simulated, whatever it needs
                     QStringLiteral("RemovePackages 2 %1 0 0").arg(editor)}));  // for real, nothing along
    EXPECT_EQ(packageKit.calls(QStringLiteral("SetHints")),
              QStringList{QStringLiteral("SetHints interactive=true")});
    // The package's files are PackageKit's business; ours is the settings folder, in the Trash.
    const QStringList leftover{tree.path(QStringLiteral("root/home/me/.config/editor"))};
    for (const QString &gone : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(gone, leftover)) << gone.toStdString();
    EXPECT_FALSE(tree.exists(QStringLiteral("root/home/me/.config/editor")));
    EXPECT_TRUE(tree.exists(QStringLiteral("root/usr/share/applications/editor.desktop")));
    EXPECT_EQ(engine().delSize(), 3000 + before.bytesGone(after, leftover));
    EXPECT_EQ(before.bytesGone(after, leftover), 7);
}

struct RefusedRow
{
    const char *name;
    const char *application;
    const char *why;    // in the application's reason
    bool removalAsked;  // beyond the simulation
};

class ARemovalThatDoesNotGoAhead : public PackageKitRemovalTest,
                                   public ::testing::WithParamInterface<RefusedRow>
{
};

TEST_P(ARemovalThatDoesNotGoAhead, LeavesThePackageAndItsLeftoversAndSaysWhy)
{
    const RefusedRow &row = GetParam();
    const TreeSnapshot before = TreeSnapshot::of(tree.root);
    qsizetype items = 0;
    const sw::RemovalReport report = removeOnly(QLatin1String(row.application), items);
    const TreeSnapshot after = TreeSnapshot::of(tree.root);

    EXPECT_TRUE(before.vanished(after).isEmpty())
        << before.vanished(after).join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(before.changed(after).isEmpty());
    EXPECT_EQ(engine().delSize(), 0);
    EXPECT_EQ(packageKit.calls(QStringLiteral("RemovePackages")).size(), row.removalAsked ? 2 : 1);
    ASSERT_EQ(items, 2);
    QMap<QString, QString> left;  // path -> reason
    for (const sw::RemovalOutcome &outcome : report.outcomes())
        if (!outcome.ok())
            left.insert(outcome.path, outcome.failures.constFirst().reason);
    const QString self = tree.path(
        QStringLiteral("root/usr/share/applications/%1.desktop").arg(QLatin1String(row.application)));
    const QString settings = tree.path(QStringLiteral("root/home/me/.config/%1").arg(QLatin1String(row.application)));
    EXPECT_EQ(report.outcomes().size(), 2);
    ASSERT_EQ(left.keys(), (QStringList{settings, self}));
    EXPECT_TRUE(left.value(self).contains(QLatin1String(row.why))) << left.value(self).toStdString();
    EXPECT_EQ(
        left.value(settings),
        QStringLiteral("left in place: the application itself was not removed (%1)").arg(left.value(self)));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ARemovalThatDoesNotGoAhead,
    ::testing::Values(
        RefusedRow{"ItWouldTakeAnotherPackageAlong", "bundled", "would also remove bundled-data", false},
        RefusedRow{"TheAuthorisationIsRefused", "locked", "cancelled", true},
        RefusedRow{"TheTransactionFails", "broken", "dpkg: error processing package", true},
        RefusedRow{"PackageKitLeavesItInstalled", "stubborn", "PackageKit left it installed", true}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
