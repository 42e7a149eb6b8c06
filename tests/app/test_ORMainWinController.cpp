// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/ORMainWinController.h"
#include "gui/controls/SYFlatButton.h"
#include "gui/junk/JunkGroupModel.h"
#include "gui/junk/ORJunkDelViewCter.h"
#include "gui/junk/ORJunksResultViewCter.h"
#include "gui/junk/ORJunkViewCter.h"
#include "gui/junk/ORNoJunkViewCter.h"
#include "support/JunkFixture.h"
#include "support/ToolWindow.h"
#include "support/TreeSnapshot.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

// A page that remembers the last state the window sent it.
class StatusPage : public ORBaseViewCter
{
public:
    using ORBaseViewCter::ORBaseViewCter;
    void or_Status(sw::PageStatus status) override { lastStatus = status; }
    int lastStatus = -1;
};

bool g_holdsResult = false;

}  // namespace

// Navigation of the main window and the junk cleaner driven end to end.
class TestORMainWinController : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<JunkFixture> fixture;
    std::unique_ptr<ORMainWinController> window;

    template <class Page>
    Page *page(qint64 number) const
    {
        return qobject_cast<Page *>(window->pageController(number));
    }
    bool sidebarEnabled() const { return window->buttonWithTag(sw::JunkScanPage)->isEnabled(); }
    void scanToResult()
    {
        page<ORJunkViewCter>(sw::JunkScanPage)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::JunkResultPage));
    }
    // Keys go where a user's would: to the focused widget.
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    static bool tabTo(QWidget *expected)
    {
        press(Qt::Key_Tab);
        return QApplication::focusWidget() == expected;
    }
    static QString selectedText(ORJunksResultViewCter *result)
    {
        return result->selectedSizeField()->text() + QLatin1Char(' ') + result->selectedUnitField()->text();
    }
    // The row of the category that lists the item whose path ends so.
    static int rowListing(ORJunksResultViewCter *result, const QString &tail)
    {
        for (int row = 0; row < result->groupModel()->rowCount(); ++row)
            for (const ORjunkDataItem &item : result->groupModel()->group(row)->groupItems)
                if (item.itemPath.endsWith(tail))
                    return row;
        return -1;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<JunkFixture>();
        ORJunkFilesCollection::shareInstance().startOver();
        window = std::make_unique<ORMainWinController>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        ORJunkFilesCollection::shareInstance().startOver();
        fixture.reset();
    }

    void launchShowsJunkScanPageWithJunkButtonSelected()
    {
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        QVERIFY(window->buttonWithTag(sw::JunkScanPage)->isChecked());
        // The selected button is painted on the sidebar's green.
        const QImage shot = window->buttonWithTag(sw::JunkScanPage)->grab().toImage();
        QCOMPARE(shot.pixelColor(4, shot.height() / 2), QColor(68, 186, 3));
        QVERIFY(page<ORJunkViewCter>(sw::JunkScanPage)->briefView()->isVisible());
        QVERIFY(!page<ORJunkViewCter>(sw::JunkScanPage)->progressView()->isVisible());
    }

    // Only the page on screen is made at start; the others when first shown.
    void pagesAreMadeWhenFirstShown()
    {
        QVERIFY(window->pageIsBuilt(sw::JunkScanPage));
        for (qint64 later : {sw::JunkResultPage, sw::DupScanPage, sw::ToolboxPage, sw::MemoryPage})
            QVERIFY(!window->pageIsBuilt(later));
        QTest::mouseClick(window->buttonWithTag(sw::DupScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::DupScanPage));
        QVERIFY(window->tempViewCter()->isVisible());
        QVERIFY(!window->pageIsBuilt(sw::DupResultPage));  // no result to reopen
        QTest::mouseClick(window->buttonWithTag(sw::JunkScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        QVERIFY(page<ORJunkViewCter>(sw::JunkScanPage)->briefView()->isVisible());
    }

    void toolsWithoutPagesKeepTheirButtonsDisabled()
    {
        QCOMPARE(window->buttonArr().size(), 11);
        for (SYFlatButton *button : window->buttonArr())
            QCOMPARE(button->isEnabled(), window->pageController(button->property("tag").toLongLong()) != nullptr);
    }

    void registryDrivesTheSidebarAndTheEntry()
    {
        auto makePage = [](ORBasedViewCterDelegate *delegate, QWidget *parent) -> ORBaseViewCter * {
            return new StatusPage(delegate, parent);
        };
        const sw::ToolRegistry tools = {
            {"largeButton", "or_bigs_icon", "Large Files", sw::LargeScanPage, sw::ToolEntry::ReopenResult,
             sw::LargeResultPage, [] { return g_holdsResult; },
             {{sw::LargeScanPage, makePage}, {sw::LargeResultPage, makePage}}},
            {"shredButton", "or_shred_icon", "Shredder", sw::ShredderPage, sw::ToolEntry::Show, sw::PageNumber(0),
             nullptr, {}},
        };
        g_holdsResult = false;
        ORMainWinController own(tools);
        QCOMPARE(own.buttonArr().size(), 2);
        QCOMPARE(own.buttonArr().at(1)->objectName(), QStringLiteral("shredButton"));
        QCOMPARE(own.buttonArr().at(1)->property("tag").toLongLong(), qint64(sw::ShredderPage));
        own.butEnable(false);
        own.butEnable(true);
        QVERIFY(own.buttonWithTag(sw::LargeScanPage)->isEnabled());
        QVERIFY(!own.buttonWithTag(sw::ShredderPage)->isEnabled());  // no pages yet
        // The first tool opens first, on its idle scan page.
        QCOMPARE(own.currentPage(), qint64(sw::LargeScanPage));
        auto *scan = static_cast<StatusPage *>(own.pageController(sw::LargeScanPage));
        auto *result = static_cast<StatusPage *>(own.pageController(sw::LargeResultPage));
        QCOMPARE(scan->lastStatus, int(sw::PageIdle));
        scan->lastStatus = sw::PageBusy;
        g_holdsResult = true;
        own.next(sw::LargeScanPage);
        QCOMPARE(own.currentPage(), qint64(sw::LargeResultPage));
        QCOMPARE(result->lastStatus, -1);  // a reopened result is not reset
        QCOMPARE(own.selectedTag(), qint64(sw::LargeScanPage));
        own.next(sw::ShredderPage);
        QCOMPARE(own.currentPage(), qint64(sw::LargeResultPage));
        QVERIFY(!own.pageController(sw::JunkScanPage));
    }

    void numbersOutsideTheCatalogueChangeNothing()
    {
        for (qint64 n : {0, 5, 11, 34, -3}) {
            window->next(n);
            QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
            QCOMPARE(window->selectedTag(), qint64(sw::JunkScanPage));
        }
    }

    void innerPagesLeaveTheSidebarSelection()
    {
        window->next(sw::JunkNothingPage);
        QCOMPARE(window->currentPage(), qint64(sw::JunkNothingPage));
        QCOMPARE(window->selectedTag(), qint64(sw::JunkScanPage));
    }

    void disabledSidebarIgnoresClicks()
    {
        window->next(sw::JunkNothingPage);
        window->butEnable(false);
        QTest::mouseClick(window->buttonWithTag(sw::JunkScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::JunkNothingPage));
        window->butEnable(true);
        QTest::mouseClick(window->buttonWithTag(sw::JunkScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
    }

    void scanDisablesSidebarAndEndsOnResultPage()
    {
        page<ORJunkViewCter>(sw::JunkScanPage)->startBut()->click();
        QVERIFY(!sidebarEnabled());
        QVERIFY(page<ORJunkViewCter>(sw::JunkScanPage)->progressView()->isVisible());
        QTRY_COMPARE(window->currentPage(), qint64(sw::JunkResultPage));
        QVERIFY(sidebarEnabled());
        const auto data = ORJunkFilesCollection::shareInstance().tempJunkData();
        QVERIFY(data);
        QVERIFY(data->junkTotalSize >= 3000 + 5000 + 700 + 9000);
        // The junk button reopens the result while the engine holds it.
        window->next(sw::JunkScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::JunkResultPage));
    }

    void everySwitchOffEndsOnNothingFoundPage()
    {
        fixture->setAllSwitches(false);
        page<ORJunkViewCter>(sw::JunkScanPage)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(sw::JunkNothingPage));
        auto *none = page<ORNoJunkViewCter>(sw::JunkNothingPage);
        QCOMPARE(none->infoTextField()->text(), QStringLiteral("Choose the kinds of junk to look for in Preferences, under Junk Clean."));
        // The sidebar stays usable: another tool opens, and the junk button
        // then opens the idle scan page, not the empty result.
        QVERIFY(sidebarEnabled());
        QTest::mouseClick(window->buttonWithTag(sw::LargeScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::LargeScanPage));
        QTest::mouseClick(window->buttonWithTag(sw::JunkScanPage), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        QVERIFY(page<ORJunkViewCter>(sw::JunkScanPage)->briefView()->isVisible());
        window->next(sw::JunkNothingPage);
        none->button()->click();
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        QVERIFY(sidebarEnabled());
        QVERIFY(!ORJunkFilesCollection::shareInstance().tempJunkData());
    }

    void cancelInTheConfirmationChangesNothing()
    {
        scanToResult();
        auto *result = page<ORJunksResultViewCter>(sw::JunkResultPage);
        result->delBut()->click();
        QVERIFY(answerSheet(result->alert(), false));
        QCOMPARE(window->currentPage(), qint64(sw::JunkResultPage));
        QVERIFY(fixture->exists(QStringLiteral("home/Downloads/setup.iso")));
        QVERIFY(fixture->exists(QStringLiteral("home/.cache/app-one/blob.bin")));
    }

    void deleteRemovesTheTickedItemsAndReportsTheSize()
    {
        scanToResult();
        auto *result = page<ORJunksResultViewCter>(sw::JunkResultPage);
        // The Trash and Downloads start unticked: they must survive the removal.
        for (int row = 0; row < result->groupModel()->rowCount(); ++row)
            if (result->groupModel()->group(row)->groupID == 6 || result->groupModel()->group(row)->groupID == 8)
                QCOMPARE(result->groupModel()->group(row)->isGroupDelFlag, qint64(0));
        result->delBut()->click();
        QVERIFY(answerSheet(result->alert(), true));
        QCOMPARE(window->currentPage(), qint64(sw::JunkRemovalPage));
        auto *removal = page<ORJunkDelViewCter>(sw::JunkRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QVERIFY(sidebarEnabled());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(3000 + 5000));
        QVERIFY(fixture->exists(QStringLiteral("home/.cache/app-one")));  // emptied, kept
        QVERIFY(!fixture->exists(QStringLiteral("home/.cache/app-one/blob.bin")));
        QVERIFY(fixture->exists(QStringLiteral("home/.local/share/Trash/files/old.txt")));
        QVERIFY(fixture->exists(QStringLiteral("home/.local/share/Trash/info/old.txt.trashinfo")));
        QVERIFY(fixture->exists(QStringLiteral("home/Downloads/setup.iso")));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
        QVERIFY(page<ORJunkViewCter>(sw::JunkScanPage)->briefView()->isVisible());
        window->next(sw::JunkScanPage);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
    }

    // Keyboard only, from the scan page through the removal: Return starts
    // the scan, Tab walks the result page in reading order, the arrows pick
    // the category shown, Space ticks rows, Escape clears the search. On the
    // sheet Cancel is the default: Return removes nothing, and only the
    // action button, reached with Tab, removes what is ticked.
    // Find puts the keys in the search field of a page that has one, and
    // leaves them where they are on a page without.
    void findFocusesTheSearchFieldOfTheShownPage()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget *before = QApplication::focusWidget();
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), before);
        scanToResult();
        auto *items = page<ORJunksResultViewCter>(sw::JunkResultPage)->itemObject();
        items->searchField()->setText(QStringLiteral("app"));
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), items->searchField());
        QCOMPARE(items->searchField()->selectedText(), QStringLiteral("app"));  // typing replaces it
    }

    void f1OpensTheAboutDialogWithTheVersionsInUse()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F1);
        sw::AboutDialog *about = window->aboutDialog();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->shownVersion(QStringLiteral("Qt")), QString::fromLatin1(qVersion()));
        const QLabel *version = about->findChild<QLabel *>(QStringLiteral("versionLabel"));
        QVERIFY(version->text().contains(QStringLiteral(PROJECT_VERSION)));
        // Pressed again, the open dialog comes forward; none is added.
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(window->findChildren<sw::AboutDialog *>().size(), 1);
    }

    // Quit is asked of the application, whatever keeps it running (the
    // delegate's quit is tested with the event loop in test_AppDelegate).
    void ctrlQAsksToQuit()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QSignalSpy quit(window.get(), &ORMainWinController::quitRequested);
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 1);
        // Also from another window of the program.
        window->showAbout();
        QVERIFY(QTest::qWaitForWindowActive(window->aboutDialog()));
        QTest::keyClick(window->aboutDialog(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 2);
    }

    void keyboardAloneCleansExactlyTheTickedJunk()
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto home = swtest::TreeSnapshot::of(fixture->path(QStringLiteral("home")));
        press(Qt::Key_Return);
        QTRY_COMPARE(window->currentPage(), qint64(sw::JunkResultPage));
        auto *result = page<ORJunksResultViewCter>(sw::JunkResultPage);
        auto *items = result->itemObject();
        const qint64 startSize = ORJunkFilesCollection::shareInstance().tempJunkData()->junkSelectedSize;
        const auto showsRow = [&](int row) {
            return result->gTableView()->currentIndex().row() == row
                   && items->dataGroup() == result->groupModel()->group(row);
        };

        QVERIFY(tabTo(result->gTableView()));
        const int downloads = rowListing(result, QStringLiteral("/Downloads/setup.iso"));
        const int caches = rowListing(result, QStringLiteral("/.cache/app-two"));
        QVERIFY(caches >= 0 && caches < downloads);
        for (int row = 1; row <= downloads; ++row) {
            press(Qt::Key_Down);
            QVERIFY(showsRow(row));
        }
        press(Qt::Key_Space);  // Downloads starts unticked
        QCOMPARE(selectedText(result), ORUtility::sizeFormatWithNumber(startSize + 9000));
        for (int row = downloads - 1; row >= caches; --row) {
            press(Qt::Key_Up);
            QVERIFY(showsRow(row));
        }

        QVERIFY(tabTo(items->searchField()));
        QTest::keyClicks(items->searchField(), QStringLiteral("two"));
        QCOMPARE(items->itemTableView()->model()->rowCount(), 1);
        press(Qt::Key_Escape);
        QVERIFY(items->searchField()->text().isEmpty());
        QCOMPARE(items->itemTableView()->model()->rowCount(), 2);
        QVERIFY(tabTo(items->sortPopButton()));
        QVERIFY(tabTo(items->itemTableView()));
        press(Qt::Key_Space);  // the larger folder, app-two, first by size
        QCOMPARE(selectedText(result), ORUtility::sizeFormatWithNumber(startSize + 9000 - 5000));

        QVERIFY(tabTo(result->autoSelectButton()));
        QVERIFY(tabTo(result->startOverBut()));
        QVERIFY(tabTo(result->delBut()));
        QStringList ticked;
        for (const ORJunkDataGroup &group : ORJunkFilesCollection::shareInstance().tempJunkData()->junkGroups)
            for (const ORjunkDataItem &item : group.groupItems)
                if (group.isGroupDelFlag != 0 && item.isDel)
                    ticked << item.itemPath << item.companionPath;
        ticked.removeAll(QString());
        press(Qt::Key_Space);
        QTRY_VERIFY(result->alert() && result->alert()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), result->alert());
        QCOMPARE(result->alert()->defaultButton(), result->alert()->cancelButton());
        QCOMPARE(QApplication::focusWidget(), result->alert()->cancelButton());
        press(Qt::Key_Return);
        QTRY_VERIFY(!result->alert()->isVisible());
        QCOMPARE(window->currentPage(), qint64(sw::JunkResultPage));
        QCOMPARE(home.bytesGone(swtest::TreeSnapshot::of(fixture->path(QStringLiteral("home")))), qint64(0));

        // The sheet again, its action button reached with Tab.
        const auto focusAction = [&] {
            result->delBut()->click();
            QTRY_COMPARE(QApplication::activeWindow(), result->alert());
            for (int tabs = 0; tabs < 4 && QApplication::focusWidget() != result->alert()->actionButton(); ++tabs)
                press(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), result->alert()->actionButton());
        };
        focusAction();
        press(Qt::Key_Return);  // still the default's answer: Cancel
        QTRY_VERIFY(!result->alert()->isVisible());
        QCOMPARE(window->currentPage(), qint64(sw::JunkResultPage));
        focusAction();
        press(Qt::Key_Space);
        QCOMPARE(window->currentPage(), qint64(sw::JunkRemovalPage));
        auto *removal = page<ORJunkDelViewCter>(sw::JunkRemovalPage);
        QTRY_VERIFY(removal->completionBut()->isVisible());

        // Gone: everything inside a ticked item, and no ticked folder itself
        // (a cache folder is emptied, not removed).
        const auto after = swtest::TreeSnapshot::of(fixture->path(QStringLiteral("home")));
        for (auto it = home.entries().cbegin(); it != home.entries().cend(); ++it) {
            const QString path = QFile::decodeName(it.key());
            const bool goes = swtest::TreeSnapshot::isUnder(path, ticked)
                              && !(S_ISDIR(it->type) && ticked.contains(path));
            QVERIFY2(after.entries().contains(it.key()) != goes, qPrintable(path));
        }
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(home.bytesGone(after)));
        QCOMPARE(home.bytesGone(after), qint64(3000 + 9000));
        // A window manager hands the activation back when the sheet closes; offscreen, the test does.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(QApplication::focusWidget(), removal->completionBut());
        press(Qt::Key_Space);
        QCOMPARE(window->currentPage(), qint64(sw::JunkScanPage));
    }
};

QTEST_MAIN(TestORMainWinController)
#include "test_ORMainWinController.moc"
