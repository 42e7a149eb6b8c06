// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/SystemTools.h"

#include "core/platform/ORLayout.h"
#include "support/FixtureTree.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using sw::SystemTools;
using Tool = sw::SystemTools::Tool;

class SystemToolsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        ASSERT_TRUE(m_tree.isValid());
        qunsetenv("XDG_DATA_DIRS");
        ORLayout::set(ORLayout::Kind::Freedesktop, m_tree.folder(QStringLiteral("root")),
                      m_tree.folder(QStringLiteral("home")));
    }
    void TearDown() override { ORLayout::reset(); }

    // An executable script at rel; body runs under /bin/sh.
    QString program(const QString &rel, const QByteArray &body = "exit 0\n") const
    {
        const QString path = m_tree.text(rel, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString systemEntry(const QString &id, const QByteArray &body) const
    {
        return m_tree.text(QStringLiteral("root/usr/share/applications/") + id + ".desktop",
                           "[Desktop Entry]\nType=Application\n" + body);
    }
    QString userEntry(const QString &id, const QByteArray &body) const
    {
        return m_tree.text(QStringLiteral("home/.local/share/applications/") + id + ".desktop",
                           "[Desktop Entry]\nType=Application\n" + body);
    }

    swtest::FixtureTree m_tree;
};

// The first installed id of the list wins. A Hidden entry in the user's data
// folder hides the system's entry of that id; a TryExec that names no program
// and an Exec program that is not executable both mean "not installed".
TEST_F(SystemToolsTest, picksTheFirstInstalledIdAndSkipsHiddenOrMissingPrograms)
{
    const QByteArray settings = program(QStringLiteral("bin/gnome control")).toUtf8();
    const QByteArray info = program(QStringLiteral("bin/hardinfo")).toUtf8();
    systemEntry(QStringLiteral("org.gnome.Settings"),
                "Name=Settings\nIcon=org.gnome.Settings\nExec=\"" + settings + "\" %U --flag \"two words\" %f\n");
    const QString hiding = userEntry(QStringLiteral("org.gnome.Settings"), "Name=Settings\nHidden=true\n");
    systemEntry(QStringLiteral("org.kde.kinfocenter"), "Name=Info Center\nTryExec=/nonexistent/kinfocenter\nExec=" + info + "\n");
    systemEntry(QStringLiteral("hardinfo"), "Name=System Profiler\nExec=" + info + " --gui %F\n");

    std::optional<SystemTools::Found> found = SystemTools::find(Tool::SystemInformation);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, QStringLiteral("hardinfo"));
    EXPECT_EQ(found->command, (QStringList{QString::fromUtf8(info), QStringLiteral("--gui")}));

    // Without the user's hiding entry the settings program comes first, on the
    // panel that shows the machine, with quoted arguments kept whole.
    ASSERT_TRUE(QFile::remove(hiding));
    found = SystemTools::find(Tool::SystemInformation);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, QStringLiteral("org.gnome.Settings"));
    EXPECT_EQ(found->icon, QStringLiteral("org.gnome.Settings"));
    EXPECT_EQ(found->command, (QStringList{QString::fromUtf8(settings), QStringLiteral("--flag"),
                                           QStringLiteral("two words"), QStringLiteral("info-overview")}));

    // A program that is there but not executable counts for nothing.
    const QString plain = m_tree.text(QStringLiteral("bin/disks"), "#!/bin/sh\n");
    systemEntry(QStringLiteral("org.gnome.DiskUtility"), "Name=Disks\nExec=" + plain.toUtf8() + "\n");
    EXPECT_FALSE(SystemTools::find(Tool::DiskUtility));
    EXPECT_FALSE(SystemTools::find(Tool::Extensions));

    // XDG_DATA_DIRS is read below the root, in its own order.
    const QByteArray other = program(QStringLiteral("bin/partitions")).toUtf8();
    m_tree.text(QStringLiteral("root/opt/share/applications/org.kde.partitionmanager.desktop"),
                "[Desktop Entry]\nType=Application\nName=Partitions\nExec=" + other + "\n");
    qputenv("XDG_DATA_DIRS", "/opt/share:/usr/share");
    found = SystemTools::find(Tool::DiskUtility);
    qunsetenv("XDG_DATA_DIRS");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, QStringLiteral("org.kde.partitionmanager"));
}

// Launching hands the arguments over one by one, with no shell between: a
// quoted argument with spaces and shell characters arrives whole. A program
// that went away is reported, not ignored.
TEST_F(SystemToolsTest, launchPassesArgumentsWithoutAShellAndReportsAMissingProgram)
{
    const QString out = m_tree.path(QStringLiteral("args.txt"));
    const QByteArray tool = program(QStringLiteral("bin/tool"),
                                    "for a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$0.tmp\"\n"
                                    "mv \"$0.tmp\" '" + out.toUtf8() + "'\n")
                                .toUtf8();
    systemEntry(QStringLiteral("org.gnome.Extensions"), "Name=Extensions\nExec=" + tool + " %u \"a b;$(echo x)\"\n");
    const std::optional<SystemTools::Found> found = SystemTools::find(Tool::Extensions);
    ASSERT_TRUE(found);
    EXPECT_EQ(SystemTools::launch(*found), QString());

    QDeadlineTimer deadline(60000);
    while (!QFile::exists(out) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[a b;$(echo x)]"));

    ASSERT_TRUE(QFile::remove(QString::fromUtf8(tool)));
    const QString error = SystemTools::launch(*found);
    EXPECT_TRUE(error.contains(QStringLiteral("Extensions"))) << error.toStdString();
}

// In the macos layout the two utilities are bundles below the root; there is
// no extensions tool to start.
TEST_F(SystemToolsTest, macosLayoutFindsUtilityBundlesBelowTheRoot)
{
    ORLayout::set(ORLayout::Kind::MacOS, m_tree.path(QStringLiteral("root")), m_tree.path(QStringLiteral("home")));
    const QString bundle = m_tree.folder(QStringLiteral("root/Applications/Utilities/System Information.app"));
    const std::optional<SystemTools::Found> found = SystemTools::find(Tool::SystemInformation);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, bundle);
    EXPECT_TRUE(found->command.isEmpty());
    EXPECT_FALSE(SystemTools::find(Tool::DiskUtility));
    EXPECT_FALSE(SystemTools::find(Tool::Extensions));
}

}  // namespace
