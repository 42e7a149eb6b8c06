// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bigs/ORBigDataCollection.h"
#include "core/foundation/ORUtility.h"
#include "gui/bigs/BigGroupModel.h"
#include "gui/bigs/ORBigDelViewCter.h"
#include "gui/bigs/ORBigNoVeiwCter.h"
#include "gui/bigs/ORBigResultViewCter.h"
#include "gui/bigs/ORBigViewCter.h"
#include "gui/controls/ORCellRoles.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The large-file tool driven through the main window, from the folder list to
// the Trash and back.
class TestLargeFileTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    void scanToResult()
    {
        window->clickSidebar(sw::LargeScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::LargeScanPage));
        window->page<ORBigViewCter>(sw::LargeScanPage)->scanBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::LargeResultPage));
    }
    QStringList listedNames() const
    {
        const auto *model = window->page<ORBigResultViewCter>(sw::LargeResultPage)->itemObject()->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names.append(model->data(model->index(row), sw::NameRole).toString());
        return names;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->writeLargeFiles();
        fixture->write(QStringLiteral("Documents/small.txt"), "small");
        ORBigDataCollection::shareInstance().startOver();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORBigDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void fromTheFolderListToTheTrashAndBack()
    {
        scanToResult();
        QVERIFY(window->sidebarEnabled());
        // The tool reopens on its result while the engine holds it.
        window->clickSidebar(sw::JunkScanPage);
        window->clickSidebar(sw::LargeScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::LargeResultPage));
        QCOMPARE(window->window.selectedTag(), qint64(17));

        auto *result = window->page<ORBigResultViewCter>(sw::LargeResultPage);
        result->groupButtonClick(0);
        result->delBut()->click();
        QVERIFY(answerSheet(result->alert(), false));
        QCOMPARE(window->currentPage(), qint64(sw::LargeResultPage));
        QVERIFY(fixture->homeHas(QStringLiteral("Documents/a.bin")));

        // A file the search hides stays, though its band is ticked: what
        // Selected counts is exactly what goes.
        result->itemObject()->searchField()->setText(QStringLiteral("b.bin"));
        QCOMPARE(result->selectedSizeField()->text() + QLatin1Char(' ') + result->selectedUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(50 * PageFixture::MiB));
        result->delBut()->click();
        QVERIFY(answerSheet(result->alert(), true));
        QCOMPARE(window->currentPage(), qint64(sw::LargeRemovalPage));
        auto *removal = window->page<ORBigDelViewCter>(sw::LargeRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QVERIFY(window->sidebarEnabled());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(50 * PageFixture::MiB));
        QVERIFY(!fixture->homeHas(QStringLiteral("Documents/B.bin")));
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("B.bin"))));
        QVERIFY(fixture->homeHas(QStringLiteral("Documents/a.bin")));
        QVERIFY(fixture->homeHas(QStringLiteral("Videos/c.mkv")));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::LargeScanPage));
        QVERIFY(window->page<ORBigViewCter>(sw::LargeScanPage)->idleView()->isVisible());
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
        window->clickSidebar(sw::JunkScanPage);
        window->clickSidebar(sw::LargeScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::LargeScanPage));

        // A new scan lists the new result, opened on its largest band: what
        // was moved is gone.
        window->page<ORBigViewCter>(sw::LargeScanPage)->scanBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::LargeResultPage));
        QCOMPARE(listedNames(), QStringList{"c.mkv"});
        result->tableView(result->gTableView(), 0);
        QCOMPARE(listedNames(), QStringList{"a.bin"});
    }

    void sortOrderLastsWhenTheToolIsLeft()
    {
        scanToResult();
        auto *result = window->page<ORBigResultViewCter>(sw::LargeResultPage);
        result->tableView(result->gTableView(), 0);
        QComboBox *sort = result->itemObject()->sortPopButton();
        QCOMPARE(listedNames(), (QStringList{"B.bin", "a.bin"}));
        sort->setCurrentIndex(1);
        emit sort->activated(1);
        window->clickSidebar(sw::DupScanPage);
        window->clickSidebar(sw::LargeScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::LargeResultPage));
        result->tableView(result->gTableView(), 0);
        QCOMPARE(listedNames(), (QStringList{"a.bin", "B.bin"}));
    }

    // The sidebar stays usable on the nothing-found page, and the tool's
    // button then opens its idle scan page, not the empty result.
    void nothingFoundLeavesTheSidebarEnabled()
    {
        QFile::remove(fixture->home(QStringLiteral("Documents/a.bin")));
        QFile::remove(fixture->home(QStringLiteral("Documents/B.bin")));
        QFile::remove(fixture->home(QStringLiteral("Videos/c.mkv")));
        window->clickSidebar(sw::LargeScanPage);
        window->page<ORBigViewCter>(sw::LargeScanPage)->scanBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::LargeNothingPage));
        auto *none = window->page<ORBigNoVeiwCter>(sw::LargeNothingPage);
        QCOMPARE(none->infoTextField()->text(), QStringLiteral("No large files were found in these folders."));
        QVERIFY(window->sidebarEnabled());
        window->clickSidebar(sw::JunkScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        window->clickSidebar(sw::LargeScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::LargeScanPage));
        QVERIFY(window->page<ORBigViewCter>(sw::LargeScanPage)->idleView()->isVisible());
    }
};

QTEST_MAIN(TestLargeFileTool)
#include "test_LargeFileTool.moc"
