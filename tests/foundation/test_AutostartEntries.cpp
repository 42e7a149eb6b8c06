// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/AutostartEntries.h"
#include "core/foundation/ORUtility.h"
#include "core/platform/DesktopEntry.h"
#include "core/platform/ORLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using sw::AutostartEntries;

class AutostartTest : public ::testing::Test
{
protected:
    void SetUp() override { ORLayout::set(ORLayout::Kind::Freedesktop, m_root.path(), m_home.path()); }
    void TearDown() override { ORLayout::reset(); }

    QString folder() const { return m_home.path() + QStringLiteral("/.config/autostart"); }
    void writeEntry(const QString &file, const QByteArray &body)
    {
        QDir().mkpath(folder());
        QFile out(folder() + QLatin1Char('/') + file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[Desktop Entry]\nType=Application\n" + body);
    }
    static QStringList names(const QList<AutostartEntries::Item> &items)
    {
        QStringList out;
        for (const auto &item : items)
            out.append(item.name);
        return out;
    }
    static QStringList paths(const QList<AutostartEntries::Item> &items)
    {
        QStringList out;
        for (const auto &item : items)
            out.append(item.path);
        return out;
    }

    QTemporaryDir m_root;
    QTemporaryDir m_home;
};

TEST_F(AutostartTest, addingOurApplicationCreatesAPrivateFolderAndItsOwnEntry)
{
    const QString file = AutostartEntries().add(QStringLiteral("/opt/sweepwright/bin/sweepwright"),
                                                QStringLiteral("Sweepwright"));
    EXPECT_EQ(file, folder() + QStringLiteral("/org.sweepwright.Sweepwright.desktop"));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(folder()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_TRUE(AutostartEntries().contains(QStringLiteral("Sweepwright")));
    EXPECT_FALSE(AutostartEntries().contains(QStringLiteral("sweepwright")));
    const auto items = AutostartEntries().list();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].path, QStringLiteral("/opt/sweepwright/bin/sweepwright"));
    EXPECT_EQ(items[0].file, file);
}

TEST_F(AutostartTest, listKeepsTheOrderOfAdditionNotOfNames)
{
    AutostartEntries entries;
    entries.add(QStringLiteral("/opt/zeta"), QStringLiteral("zeta"));
    entries.add(QStringLiteral("/opt/alpha"), QStringLiteral("alpha"));
    entries.add(QStringLiteral("/opt/mid"), QStringLiteral("mid"));
    EXPECT_EQ(names(entries.list()), (QStringList{QStringLiteral("zeta"), QStringLiteral("alpha"), QStringLiteral("mid")}));
}

TEST_F(AutostartTest, entriesOfOtherProgramsComeFirstAndEqualOrdersGoByFileName)
{
    writeEntry(QStringLiteral("b.desktop"), "Name=B\nExec=/opt/b\nX-Sweepwright-Order=5\n");
    writeEntry(QStringLiteral("a.desktop"), "Name=A\nExec=/opt/a\nX-Sweepwright-Order=5\n");
    writeEntry(QStringLiteral("foreign.desktop"), "Name=Foreign\nExec=/opt/foreign\n");
    AutostartEntries().add(QStringLiteral("/opt/new"), QStringLiteral("New"));
    EXPECT_EQ(names(AutostartEntries().list()),
              (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Foreign"), QStringLiteral("New")}));
}

// Removing switches an entry off; it deletes only one this program wrote and
// nobody changed. The user's own is kept with Hidden=true, and an entry
// already hidden is neither listed nor touched, nor replaced by adding again
// (start-up adds the program while "autostart" is on).
TEST_F(AutostartTest, onlyOurOwnUnchangedEntryIsDeletedAndAddingReplacesNothing)
{
    const QByteArray mine = "[Desktop Entry]\nType=Application\nName=On\nExec=/opt/app --profile work\n";
    writeEntry(QStringLiteral("off.desktop"), "Name=Off\nExec=/opt/app\nHidden=true\n");
    writeEntry(QStringLiteral("on.desktop"), "Name=On\nExec=/opt/app --profile work\n");
    const QString ours = AutostartEntries().add(QStringLiteral("/opt/app"), QStringLiteral("Ours"));
    EXPECT_EQ(names(AutostartEntries().list()), (QStringList{QStringLiteral("On"), QStringLiteral("Ours")}));
    EXPECT_FALSE(AutostartEntries().contains(QStringLiteral("Off")));
    EXPECT_EQ(AutostartEntries().remove(QStringLiteral("/opt/app")), 2);
    EXPECT_FALSE(QFile::exists(ours));
    EXPECT_TRUE(QFile::exists(folder() + QStringLiteral("/off.desktop")));
    QFile on(folder() + QStringLiteral("/on.desktop"));
    ASSERT_TRUE(on.open(QIODevice::ReadOnly));
    EXPECT_EQ(on.readAll(), QByteArray(mine).insert(16, "Hidden=true\n"));
    EXPECT_TRUE(AutostartEntries().list().isEmpty());

    writeEntry(QStringLiteral("org.sweepwright.Sweepwright.desktop"), "Name=Sweepwright\nExec=/opt/sw\nHidden=true\n");
    EXPECT_TRUE(AutostartEntries().add(QStringLiteral("/opt/sw"), QStringLiteral("Sweepwright")).isEmpty());
    EXPECT_TRUE(sw::DesktopEntry::load(folder() + QStringLiteral("/org.sweepwright.Sweepwright.desktop"))->hidden());
}

struct RemoveRow
{
    const char *name;
    bool byPrefix;
    const char *path;
    QStringList remaining;
};

class AutostartRemove : public AutostartTest, public ::testing::WithParamInterface<RemoveRow>
{
};

TEST_P(AutostartRemove, matchesTheProgramPath)
{
    AutostartEntries entries;
    for (const char *path : {"/opt/app", "/opt/app", "/opt/app-extra", "/opt/application/bin", "/other/app"})
        entries.add(QString::fromLatin1(path));
    const RemoveRow &row = GetParam();
    const QString path = QString::fromLatin1(row.path);
    const int removed = row.byPrefix ? entries.removeWithPrefix(path) : entries.remove(path);
    EXPECT_EQ(paths(entries.list()), row.remaining);
    EXPECT_EQ(removed, 5 - row.remaining.size());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AutostartRemove,
    ::testing::Values(
        RemoveRow{"exact_removes_every_duplicate", false, "/opt/app",
                  {"/opt/app-extra", "/opt/application/bin", "/other/app"}},
        RemoveRow{"exact_is_not_a_prefix", false, "/opt/ap",
                  {"/opt/app", "/opt/app", "/opt/app-extra", "/opt/application/bin", "/other/app"}},
        RemoveRow{"prefix", true, "/opt/app", {"/other/app"}},
        RemoveRow{"prefix_of_a_folder", true, "/opt/application/", {"/opt/app", "/opt/app", "/opt/app-extra", "/other/app"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AutostartTest, programsOnThePathAreListedAndRemovedByTheirAbsolutePath)
{
    const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
    ASSERT_FALSE(sh.isEmpty());
    writeEntry(QStringLiteral("shell.desktop"), "Name=Shell\nExec=env LANG=C sh -c true\n");
    EXPECT_EQ(paths(AutostartEntries().list()), QStringList{sh});
    EXPECT_EQ(AutostartEntries().remove(sh), 1);
}

TEST_F(AutostartTest, fileNamesAreSanitizedAndUnique)
{
    AutostartEntries entries;
    const QString first = entries.add(QStringLiteral("/opt/a"), QStringLiteral("My Tool"));
    const QString second = entries.add(QStringLiteral("/opt/b"), QStringLiteral("My Tool"));
    const QString escape = entries.add(QStringLiteral("/opt/c"), QStringLiteral("../../evil/name"));
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("My-Tool.desktop"));
    EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("My-Tool-2.desktop"));
    EXPECT_EQ(QFileInfo(escape).absolutePath(), folder());
    EXPECT_EQ(names(entries.list()),
              (QStringList{QStringLiteral("My Tool"), QStringLiteral("My Tool"), QStringLiteral("../../evil/name")}));
}

TEST_F(AutostartTest, unwritableFolderFailsSilently)
{
    QDir().mkpath(m_home.path() + QStringLiteral("/.config"));
    QFile blocker(folder());  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(AutostartEntries().add(QStringLiteral("/opt/a"), QStringLiteral("A")).isEmpty());
    EXPECT_TRUE(AutostartEntries().list().isEmpty());
    EXPECT_EQ(AutostartEntries().remove(QStringLiteral("/opt/a")), 0);
}

TEST_F(AutostartTest, loginItemOperationsOfTheUtilityUseTheAutostartFolder)
{
    ORUtility::addLoginItem(QStringLiteral("/opt/Tool/tool.sh"));
    ORUtility::addAppAsLoginItem(QStringLiteral("/opt/Other/other"), QStringLiteral("Other"));
    EXPECT_EQ(names(AutostartEntries().list()), (QStringList{QStringLiteral("tool"), QStringLiteral("Other")}));
    ORUtility::deleteLoginItem(QStringLiteral("/opt/Tool/tool.sh"));
    EXPECT_EQ(names(AutostartEntries().list()), QStringList{QStringLiteral("Other")});
}

}  // namespace
