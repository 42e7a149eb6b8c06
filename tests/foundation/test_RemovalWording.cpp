// SPDX-License-Identifier: GPL-3.0-or-later
// The words of a removal, with the English plural forms installed as the
// programs install them: the count and the size agree with what is named.

#include "core/foundation/RemovalWording.h"
#include "core/foundation/Translations.h"
#include "support/FixtureTree.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Action = sw::RemovalWording::Action;

struct WordingRow
{
    const char *name;
    Action action;
    bool toTrash;
    int count;
    qint64 bytes;
    const char *question;
    const char *command;
};

class RemovalWordingTable : public ::testing::TestWithParam<WordingRow>
{
protected:
    void SetUp() override
    {
        swtest::ensureCoreApplication();
        sw::Translations::install();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override { QLocale::setDefault(m_saved); }

private:
    QLocale m_saved;
};

TEST_P(RemovalWordingTable, NamesTheActionWithItsCountAndSize)
{
    const WordingRow &row = GetParam();
    const sw::RemovalWording words(row.action, row.toTrash);
    EXPECT_EQ(words.question(row.count), QString::fromUtf8(row.question));
    EXPECT_EQ(words.command(row.count, row.bytes), QString::fromUtf8(row.command));
}

INSTANTIATE_TEST_SUITE_P(
    Actions, RemovalWordingTable,
    ::testing::Values(
        WordingRow{"junk_one_item", Action::DeleteJunk, false, 1, 1000, "Delete junk files?", "Delete 1 item (1 kB)"},
        WordingRow{"junk_many", Action::DeleteJunk, false, 27, 385000000, "Delete junk files?",
                   "Delete 27 items (385 MB)"},
        WordingRow{"junk_none", Action::DeleteJunk, false, 0, 0, "Delete junk files?", "Delete 0 items (0 B)"},
        WordingRow{"duplicates_to_the_trash", Action::DeleteDuplicates, true, 3, 6100000000LL,
                   "Move duplicates to the Trash?", "Move 3 items to the Trash (6.1 GB)"},
        WordingRow{"large_files_to_the_trash", Action::DeleteLargeFiles, true, 1, 999999,
                   "Move large files to the Trash?", "Move 1 item to the Trash (1 MB)"},
        WordingRow{"one_application", Action::Uninstall, false, 1, 1536, "Uninstall 1 application?",
                   "Uninstall 1 application (1.54 kB)"},
        WordingRow{"two_applications_to_the_trash", Action::Uninstall, true, 2, 999, "Uninstall 2 applications?",
                   "Uninstall 2 applications (999 B)"},
        WordingRow{"extensions", Action::RemoveExtensions, false, 2, 12345, "Remove 2 extensions?",
                   "Remove 2 items (12.3 kB)"},
        WordingRow{"shred_three", Action::Shred, false, 3, 15, "Shred 3 items?", "Shred 3 items (15 B)"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RemovalWordingTable, ReportCountsHaveTheirSingularAndPlural)
{
    const sw::RemovalWording trash(Action::DeleteLargeFiles, true);
    EXPECT_EQ(trash.doneCount(1), QStringLiteral("1 item moved to the Trash"));
    EXPECT_EQ(trash.doneCount(2), QStringLiteral("2 items moved to the Trash"));
    EXPECT_EQ(trash.failedCount(1, 3000), QStringLiteral("1 item could not be moved to the Trash (3 kB)"));
    EXPECT_EQ(sw::RemovalWording::refusedCount(1), QStringLiteral("1 item was refused"));
    EXPECT_EQ(sw::RemovalWording::refusedCount(2), QStringLiteral("2 items were refused"));
}

}  // namespace
