// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bigs/BigNotifications.h"
#include "core/bigs/ORBigDataCollection.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "gui/bigs/BigGroupModel.h"
#include "gui/bigs/ORBigResultViewCter.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/preview/PreviewDialog.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <algorithm>

// The large-file result page and its file list: what they show, the group
// and file selection, select all, searching, sorting, the preview and the
// confirmation before the removal.
class TestORBigResultViewCter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    RecordingDelegate delegate;
    std::unique_ptr<ORBigResultViewCter> page;

    ORBigResultItemObject *items() const { return page->itemObject(); }
    ORBigDataGroup *group(int row) const { return page->groupModel()->group(row); }
    QString groupImage(int row) const
    {
        return page->groupModel()->data(page->groupModel()->index(row), sw::CheckImageRole).toString();
    }
    QVariant itemData(int row, int role) const { return items()->model()->data(items()->model()->index(row), role); }
    QStringList listedNames() const
    {
        QStringList names;
        for (int row = 0; row < items()->model()->rowCount(); ++row)
            names.append(itemData(row, sw::NameRole).toString());
        return names;
    }
    QString selectedText() const
    {
        return page->selectedSizeField()->text() + QLatin1Char(' ') + page->selectedUnitField()->text();
    }
    void appear()
    {
        page->viewWillAppear();
        page->viewDidAppear();
    }
    // Appears, then lists the first band (two files), which most cases use.
    void showPage()
    {
        appear();
        page->tableView(page->gTableView(), 0);
    }
    static void scan()
    {
        ORBigDataCollection &engine = ORBigDataCollection::shareInstance();
        engine.startOver();
        engine.setFolders(ORBigDataCollection::defaultFolders());
        engine.setExcludeFolders(ORBigDataCollection::defaultExcludeFolders());
        engine.setExcludeFiles(ORBigDataCollection::defaultExcludeFiles());
        engine.bigData();
    }
    void rescan()
    {
        scan();
        showPage();
    }
    void chooseSort(int index)
    {
        items()->sortPopButton()->setCurrentIndex(index);
        emit items()->sortPopButton()->activated(index);
    }
    // Tab from the focused widget; answers whether it reached that one.
    bool tabTo(QWidget *expected)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget() == expected;
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->writeLargeFiles();
        scan();
        delegate = RecordingDelegate();
        page = std::make_unique<ORBigResultViewCter>(&delegate);
        page->resize(980, 640);
        page->show();
        showPage();
    }
    void cleanup()
    {
        sw::PreviewDialog::closePreview();
        page.reset();
        ORBigDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void showsTheBandsAndTheFirstBandsFiles()
    {
        QCOMPARE(page->groupModel()->rowCount(), 2);
        QCOMPARE(group(0)->groupName, QStringLiteral("32 MB to 128 MB"));
        QCOMPARE(page->groupModel()->data(page->groupModel()->index(0), sw::ExtraTextRole).toString(),
                 QStringLiteral("2 files"));
        QCOMPARE(page->bigGroupField()->text(), QStringLiteral("Files of 32 MB and more, below 128 MB"));
        QCOMPARE(listedNames(), (QStringList{"B.bin", "a.bin"}));  // by size at first
        QCOMPARE(itemData(0, sw::DateTextRole).toString(), QStringLiteral("today"));
        QCOMPARE(itemData(0, sw::SizeTextRole).toString(), ORUtility::sizeFormatWithNumber(50 * PageFixture::MiB));
        QVERIFY(items()->cellView()->isBigFile);
        QCOMPARE(page->autoSelectButton()->text(), QStringLiteral("Select"));
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->delBut()->isEnabled());
    }

    // The page opens on the band of the largest files, not on the first
    // listed (the smallest), and Select leaves the shown band shown.
    void opensOnTheLargestBandWithFiles()
    {
        appear();
        QCOMPARE(items()->dataGroup(), group(1));
        QCOMPARE(page->gTableView()->currentIndex().row(), 1);
        QCOMPARE(page->bigGroupField()->text(), QStringLiteral("Files of 128 MB and more, below 256 MB"));
        QCOMPARE(listedNames(), QStringList{"c.mkv"});
        page->autoSelectButton()->click();
        QCOMPARE(items()->dataGroup(), group(1));
    }

    void groupCheckSelectsAndClearsItsFiles()
    {
        page->groupButtonClick(0);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_all"));
        QCOMPARE(itemData(1, sw::CheckImageRole).toString(), QStringLiteral("or_select_all"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(90 * PageFixture::MiB));
        QVERIFY(page->delBut()->isEnabled());
        page->groupButtonClick(0);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_off"));
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->delBut()->isEnabled());
    }

    void fileChecksMoveTheGroupThroughItsStates()
    {
        items()->clickCheckBox(0);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_part"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(50 * PageFixture::MiB));
        items()->clickCheckBox(1);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_all"));
        QCOMPARE(group(0)->groupSelectedSize, group(0)->groupSize);
        items()->clickCheckBox(0);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_part"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(40 * PageFixture::MiB));
        QCOMPARE(groupImage(1), QStringLiteral("or_select_off"));
    }

    void selectAllAndBack()
    {
        items()->clickCheckBox(0);  // a partial selection first
        page->autoSelectButton()->click();
        QCOMPARE(page->autoSelectButton()->text(), QStringLiteral("Deselect"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(220 * PageFixture::MiB));
        for (int row = 0; row < 2; ++row)
            QCOMPARE(group(row)->groupSelectedSize, group(row)->groupSize);
        page->autoSelectButton()->click();
        QCOMPARE(page->autoSelectButton()->text(), QStringLiteral("Select"));
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->delBut()->isEnabled());
    }

    void searchListsMatchingPathsOfTheListedBandOnly()
    {
        items()->searchField()->setText(QStringLiteral("B.BIN"));
        QCOMPARE(listedNames(), QStringList{"B.bin"});
        for (const ORBigDataItem &item : group(0)->groupItems)
            QCOMPARE(item.isVisible, item.itemName == QLatin1String("B.bin"));
        items()->searchField()->setText(QStringLiteral("documents/"));
        QCOMPARE(listedNames().size(), 2);
        items()->searchField()->setText(QStringLiteral("B.bin"));
        // Leaving the band forgets its search: no file stays hidden out of sight.
        page->tableView(page->gTableView(), 1);
        QVERIFY(items()->searchField()->text().isEmpty());
        QCOMPARE(listedNames(), QStringList{"c.mkv"});
        for (const ORBigDataItem &item : group(0)->groupItems)
            QVERIFY(item.isVisible);
    }

    // The press moves the highlight as well; the band is still listed (and
    // sorted) once.
    void clickOnABandListsItOnce()
    {
        QObject listener;
        int announced = 0;
        ORNotificationCenter::defaultCenter().addObserver(&listener, sw::bignote::kShowGroup,
                                                          [&announced](const QVariant &) { ++announced; });
        QTableView *table = page->gTableView();
        const QRect row = table->visualRect(table->model()->index(1, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, QPoint(row.right() - 20, row.center().y()));
        QCOMPARE(announced, 1);
        QCOMPARE(items()->groupRow(), QStringLiteral("1"));
        QCOMPARE(table->currentIndex().row(), 1);
    }

    void sortingReordersTheBandItselfAndLasts()
    {
        QComboBox *sort = items()->sortPopButton();
        sort->setCurrentIndex(1);
        emit sort->activated(1);
        QCOMPARE(listedNames(), (QStringList{"a.bin", "B.bin"}));
        QCOMPARE(ORBigDataCollection::shareInstance().tempBigData()->bigGroups.at(0).groupItems.at(0).itemName,
                 QStringLiteral("a.bin"));
        page->hide();
        page->show();
        showPage();
        QCOMPARE(listedNames(), (QStringList{"a.bin", "B.bin"}));
    }

    // Sorting belongs to the whole band and searching only hides: after any
    // order of sorts, searches and clearing, the list is the band in the
    // pop-up's order, less what the search hides. (Sorting by name, then
    // searching, clearing and sorting by name again once showed size order.)
    void sortingAndSearchingComposeInAnyOrder()
    {
        fixture->sparse(QStringLiteral("Documents/zz.bin"), 60 * PageFixture::MiB);
        fixture->sparse(QStringLiteral("Videos/m.bin"), 70 * PageFixture::MiB);  // hidden by the search
        rescan();
        const QStringList bySize{"m.bin", "zz.bin", "B.bin", "a.bin"};
        const QStringList byName{"a.bin", "B.bin", "m.bin", "zz.bin"};
        enum Step { SortByName, SortBySize, Search, Clear };
        QList<Step> steps{SortByName, SortBySize, Search, Clear};
        do {
            chooseSort(0);
            items()->searchField()->clear();
            for (Step step : steps) {
                if (step == SortByName || step == SortBySize)
                    chooseSort(step == SortByName ? 1 : 0);
                else
                    items()->searchField()->setText(step == Search ? QStringLiteral("documents/") : QString());
                QStringList expected = items()->sortPopButton()->currentIndex() == 1 ? byName : bySize;
                if (!items()->searchField()->text().isEmpty())
                    expected.removeAll(QStringLiteral("m.bin"));
                QCOMPARE(listedNames(), expected);
            }
        } while (std::next_permutation(steps.begin(), steps.end()));
    }

    // Keyboard only: Tab through the page in reading order, the arrows and
    // Enter on the bands, Space on a band and on a file, Escape in the
    // search field, and Delete's button up to the sheet.
    void keyboardReachesEveryControlUpToTheSheet()
    {
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        page->gTableView()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page->gTableView(), Qt::Key_Down);
        QCOMPARE(items()->dataGroup(), group(1));  // the shown band follows the highlight
        QCOMPARE(listedNames(), QStringList{"c.mkv"});
        QTest::keyClick(page->gTableView(), Qt::Key_Up);
        QTest::keyClick(page->gTableView(), Qt::Key_Return);
        QCOMPARE(items()->dataGroup(), group(0));
        QCOMPARE(page->gTableView()->currentIndex().row(), 0);
        QTest::keyClick(page->gTableView(), Qt::Key_Space);
        QCOMPARE(groupImage(0), QStringLiteral("or_select_all"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(90 * PageFixture::MiB));

        QVERIFY(tabTo(items()->searchField()));
        QTest::keyClicks(items()->searchField(), QStringLiteral("b.bin"));
        QCOMPARE(listedNames(), QStringList{"B.bin"});
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(50 * PageFixture::MiB));  // the hidden file is not counted
        QTest::keyClick(items()->searchField(), Qt::Key_Escape);
        QVERIFY(items()->searchField()->text().isEmpty());
        QCOMPARE(listedNames(), (QStringList{"B.bin", "a.bin"}));

        QVERIFY(tabTo(items()->sortPopButton()));
        QVERIFY(tabTo(items()->itemTableView()));
        QTest::keyClick(items()->itemTableView(), Qt::Key_Space);  // the first file
        QCOMPARE(groupImage(0), QStringLiteral("or_select_part"));
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(40 * PageFixture::MiB));

        QVERIFY(tabTo(page->autoSelectButton()));
        QVERIFY(tabTo(page->startOverBut()));
        QVERIFY(tabTo(page->delBut()));
        QTest::keyClick(page->delBut(), Qt::Key_Space);
        QVERIFY(answerSheet(page->alert(), false));
        QVERIFY(delegate.pages.isEmpty());
    }

    void previewButtonOpensAndClosesThePreview()
    {
        items()->previewButton(1);
        sw::PreviewDialog *preview = sw::PreviewDialog::instance();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->path(), fixture->home(QStringLiteral("Documents/a.bin")));
        QCOMPARE(items()->or_itemPath(), preview->path());
        items()->previewButton(1);
        QVERIFY(!preview->isVisible());
    }

    void noKeepsTheSelectionAndYesShowsTheRemovalPageBeforeItStarts()
    {
        QList<qint64> pagesWhenRemovalStarted{-1};
        sw::RemovalPage removal(&delegate, nullptr,
                                {sw::LargeScanPage, {sw::RemovalWording::Action::DeleteLargeFiles, true},
                                 [&](sw::JobRunner &, const QVariant &) { pagesWhenRemovalStarted = delegate.pages; },
                                 [] {}});
        delegate.made.insert(sw::LargeRemovalPage, &removal);
        page->groupButtonClick(0);
        page->delBut()->click();
        QCOMPARE(page->alert()->text(), QStringLiteral("Move large files to the Trash?"));
        QCOMPARE(page->alert()->actionButton()->text(), QStringLiteral("Move 2 items to the Trash (%1)")
                                                            .arg(ORUtility::sizeFormatWithNumber(90 * PageFixture::MiB)));
        QVERIFY(answerSheet(page->alert(), false));
        QVERIFY(delegate.pages.isEmpty());
        QCOMPARE(group(0)->isGroupDelFlag, 2);
        QCOMPARE(selectedText(), ORUtility::sizeFormatWithNumber(90 * PageFixture::MiB));
        page->delBut()->click();
        QVERIFY(answerSheet(page->alert(), true));
        QCOMPARE(delegate.pages, QList<qint64>{20});
        QTRY_COMPARE(pagesWhenRemovalStarted, QList<qint64>{20});
    }

    void deleteKeyAsksOnlyWhenSomethingIsSelected()
    {
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        QTest::keyClick(page.get(), Qt::Key_Delete);
        QVERIFY(!page->alert() || !page->alert()->isVisible());
        items()->clickCheckBox(0);
        QTest::keyClick(page.get(), Qt::Key_Delete);
        QVERIFY(answerSheet(page->alert(), false));
        QVERIFY(delegate.pages.isEmpty());
    }

    void startOverForgetsTheResult()
    {
        page->startOverBut()->click();
        QCOMPARE(delegate.pages, QList<qint64>{17});
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
    }
};

QTEST_MAIN(TestORBigResultViewCter)
#include "test_ORBigResultViewCter.moc"
