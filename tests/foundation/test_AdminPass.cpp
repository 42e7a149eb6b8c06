// SPDX-License-Identifier: GPL-3.0-or-later
// The administrator pass: every item a tool could not remove goes to the
// privileged helper in one run (one password prompt), and what the helper
// finds changed meanwhile stays.

#include "support/LayoutTree.h"
#include "support/PkexecStandIn.h"
#include "support/TreeSnapshot.h"

#include "core/foundation/AdminPass.h"
#include "core/fs/RemovalRun.h"
#include "core/platform/LogCategory.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcAdminPassTest, "sweepwright.test.adminpass")

namespace {

using sw::AdminPass;
using sw::RemovalRun;
using swtest::LayoutTree;
using swtest::PkexecStandIn;
using swtest::TreeSnapshot;

class AdminPassTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tree.isValid());
        tree.file(QStringLiteral("root/var/cache/app/a.log"), 100);
        tree.file(QStringLiteral("root/var/cache/app/deep/b.bin"), 20);
        tree.file(QStringLiteral("root/var/log/old/syslog.1"), 300);
        tree.file(QStringLiteral("root/home/me/.config/tool/settings"), 40);
        tree.file(QStringLiteral("root/srv/data/keep"), 8);
        tree.file(QStringLiteral("root/etc/shadow"), 12);
    }

    QString at(const QString &rel) const { return tree.at(rel); }

    LayoutTree tree;
    PkexecStandIn pkexec;
    const QString &root = tree.root;
    const QString &home = tree.home;
};

TEST_F(AdminPassTest, EveryItemInOneHelperRunCountedAsItWent)
{
    const TreeSnapshot before = TreeSnapshot::of(root);
    RemovalRun run(lcAdminPassTest);
    AdminPass pass(run);
    pass.add({at("var/cache"), at("var/cache/app"), RemovalRun::Mode::Whole, 120, {}});
    pass.add({at("var/log"), at("var/log/old"), RemovalRun::Mode::Contents, 300, {}});
    // Found below its own folder, as the uninstaller finds leftovers.
    pass.add({home + "/.config", home + "/.config/tool", RemovalRun::Mode::Whole, 40, {}});
    const QList<sw::RemovalOutcome> outcomes = pass.run();

    EXPECT_EQ(pass.status(), AdminPass::Status::Ran);
    EXPECT_EQ(pkexec.starts().size(), 1);
    ASSERT_EQ(outcomes.size(), 3);
    qint64 removed = 0;
    for (const sw::RemovalOutcome &outcome : outcomes) {
        EXPECT_TRUE(outcome.ok()) << outcome.failures.value(0).reason.toStdString();
        removed += outcome.removed;
    }
    const TreeSnapshot after = TreeSnapshot::of(root);
    for (const QString &path : before.vanished(after))
        EXPECT_TRUE(TreeSnapshot::isUnder(path, {at("var/cache/app"), at("var/log/old"), home + "/.config/tool"}))
            << path.toStdString();
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/log/old")));
    EXPECT_EQ(removed, before.bytesGone(after, {at("var/cache/app"), home + "/.config/tool"}));
}

TEST_F(AdminPassTest, FolderSwappedForALinkWhileThePasswordIsAskedIsNotFollowed)
{
    // The user's own process swaps the cache folder for a link to a folder
    // root must not touch, after the item was checked and before root acts.
    tree.file(QStringLiteral("root/etc/app/a.log"), 100);
    pkexec.setBefore(QStringLiteral("mv '%1' '%1.moved' && ln -s '%2' '%1'")
                         .arg(at("var/cache/app"), at("etc/app"))
                         .toLocal8Bit());
    const TreeSnapshot protectedBefore = TreeSnapshot::of(at("etc"));
    RemovalRun run(lcAdminPassTest);
    AdminPass pass(run);
    pass.add({at("var/cache"), at("var/cache/app/a.log"), RemovalRun::Mode::Whole, 100, {}});
    pass.add({at("var/cache"), at("var/cache/app"), RemovalRun::Mode::Whole, 120, {}});
    const QList<sw::RemovalOutcome> outcomes = pass.run();

    EXPECT_EQ(pass.status(), AdminPass::Status::Ran);
    const TreeSnapshot protectedAfter = TreeSnapshot::of(at("etc"));
    EXPECT_EQ(protectedBefore.vanished(protectedAfter), QStringList());
    EXPECT_EQ(protectedBefore.changed(protectedAfter), QStringList());
    EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/app.moved/a.log")));
    for (const sw::RemovalOutcome &outcome : outcomes) {
        EXPECT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.removed, 0);
    }
}

TEST_F(AdminPassTest, DismissedDialogLeavesEverythingAndSaysSo)
{
    pkexec.setMode("cancel");
    const TreeSnapshot before = TreeSnapshot::of(root);
    RemovalRun run(lcAdminPassTest);
    AdminPass pass(run);
    pass.add({at("var/cache"), at("var/cache/app"), RemovalRun::Mode::Whole, 120, {}});
    const QList<sw::RemovalOutcome> outcomes = pass.run();
    EXPECT_EQ(pass.status(), AdminPass::Status::Cancelled);
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_EQ(outcomes.constFirst().removed, 0);
    EXPECT_EQ(outcomes.constFirst().failures.value(0).reason, pass.reason());
    EXPECT_EQ(before.vanished(TreeSnapshot::of(root)), QStringList());
}

// The reason a user reads says what went wrong, not a status number: a
// desktop without an authentication agent cannot show the password prompt.
TEST_F(AdminPassTest, RefusalReasonSaysWhyNoPasswordWasAsked)
{
    const std::pair<const char *, const char *> answers[] = {
        {"noagent", "No password prompt could be shown: no authentication agent is running; left in place"},
        {"deny", "administrator rights were not granted; left in place"}};
    for (const auto &[mode, reason] : answers) {
        pkexec.setMode(mode);
        RemovalRun run(lcAdminPassTest);
        AdminPass pass(run);
        pass.add({at("var/cache"), at("var/cache/app"), RemovalRun::Mode::Whole, 120, {}});
        const QList<sw::RemovalOutcome> outcomes = pass.run();
        EXPECT_EQ(pass.status(), AdminPass::Status::Refused) << mode;
        ASSERT_EQ(outcomes.size(), 1);
        EXPECT_EQ(outcomes.constFirst().failures.value(0).reason, QString::fromLatin1(reason));
        EXPECT_TRUE(tree.exists(QStringLiteral("root/var/cache/app/a.log")));
    }
}

TEST_F(AdminPassTest, ItemOutsideTheHelpersPlacesIsNeverHandedOver)
{
    RemovalRun run(lcAdminPassTest);
    AdminPass pass(run);
    pass.add({at("srv"), at("srv/data"), RemovalRun::Mode::Whole, 8, {}});
    const QList<sw::RemovalOutcome> outcomes = pass.run();
    EXPECT_EQ(pass.status(), AdminPass::Status::Nothing);
    EXPECT_TRUE(pkexec.starts().isEmpty());
    ASSERT_EQ(outcomes.size(), 1);
    EXPECT_FALSE(outcomes.constFirst().ok());
    EXPECT_TRUE(tree.exists(QStringLiteral("root/srv/data/keep")));
}

}  // namespace
