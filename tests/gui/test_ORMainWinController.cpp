#include "JunkFixture.h"
#include "JunkGroupModel.h"
#include "ORJunkDelViewCter.h"
#include "ORJunkFilesCollection.h"
#include "ORJunkViewCter.h"
#include "ORJunksResultViewCter.h"
#include "ORMainWinController.h"
#include "ORNoJunkViewCter.h"
#include "SYFlatButton.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

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
    bool sidebarEnabled() const { return window->buttonWithTag(1)->isEnabled(); }
    void scanToResult()
    {
        page<ORJunkViewCter>(1)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(2));
    }
    static void answer(QMessageBox *alert, const QString &text)
    {
        QTRY_VERIFY(alert && alert->isVisible());
        for (QAbstractButton *button : alert->buttons())
            if (button->text() == text)
                button->click();
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
        QCOMPARE(window->currentPage(), qint64(1));
        QVERIFY(window->buttonWithTag(1)->isChecked());
        // The selected button is painted on the sidebar's green.
        const QImage shot = window->buttonWithTag(1)->grab().toImage();
        QCOMPARE(shot.pixelColor(4, shot.height() / 2), QColor(68, 186, 3));
        QVERIFY(page<ORJunkViewCter>(1)->briefView()->isVisible());
        QVERIFY(!page<ORJunkViewCter>(1)->progressView()->isVisible());
    }

    void toolsWithoutPagesKeepTheirButtonsDisabled()
    {
        QCOMPARE(window->buttonArr().size(), 10);
        for (SYFlatButton *button : window->buttonArr())
            QCOMPARE(button->isEnabled(), window->pageController(button->property("tag").toLongLong()) != nullptr);
    }

    void numbersOutsideTheCatalogueChangeNothing()
    {
        for (qint64 n : {0, 5, 11, 34, -3}) {
            window->next(n);
            QCOMPARE(window->currentPage(), qint64(1));
            QCOMPARE(window->selectedTag(), qint64(1));
        }
    }

    void innerPagesLeaveTheSidebarSelection()
    {
        window->next(4);
        QCOMPARE(window->currentPage(), qint64(4));
        QCOMPARE(window->selectedTag(), qint64(1));
    }

    void disabledSidebarIgnoresClicks()
    {
        window->next(4);
        window->butEnable(false);
        QTest::mouseClick(window->buttonWithTag(1), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(4));
        window->butEnable(true);
        QTest::mouseClick(window->buttonWithTag(1), Qt::LeftButton);
        QCOMPARE(window->currentPage(), qint64(1));
    }

    void scanDisablesSidebarAndEndsOnResultPage()
    {
        page<ORJunkViewCter>(1)->startBut()->click();
        QVERIFY(!sidebarEnabled());
        QVERIFY(page<ORJunkViewCter>(1)->progressView()->isVisible());
        QTRY_COMPARE(window->currentPage(), qint64(2));
        QVERIFY(sidebarEnabled());
        const auto data = ORJunkFilesCollection::shareInstance().tempJunkData();
        QVERIFY(data);
        QVERIFY(data->junkTotalSize >= 3000 + 5000 + 700 + 9000);
        // The junk button reopens the result while the engine holds it.
        window->next(1);
        QCOMPARE(window->currentPage(), qint64(2));
    }

    void everySwitchOffEndsOnNothingFoundPage()
    {
        fixture->setAllSwitches(false);
        page<ORJunkViewCter>(1)->startBut()->click();
        QTRY_COMPARE(window->currentPage(), qint64(4));
        auto *none = page<ORNoJunkViewCter>(4);
        QCOMPARE(none->infoTextField()->text(), QStringLiteral("Preferences->Junk Clean: Select category"));
        none->button()->click();
        QCOMPARE(window->currentPage(), qint64(1));
        QVERIFY(sidebarEnabled());
        QVERIFY(!ORJunkFilesCollection::shareInstance().tempJunkData());
    }

    void noInTheConfirmationChangesNothing()
    {
        scanToResult();
        auto *result = page<ORJunksResultViewCter>(2);
        result->delBut()->click();
        answer(result->alert(), QStringLiteral("No"));
        QCOMPARE(window->currentPage(), qint64(2));
        QVERIFY(fixture->exists(QStringLiteral("home/Downloads/setup.iso")));
        QVERIFY(fixture->exists(QStringLiteral("home/.cache/app-one/blob.bin")));
    }

    void deleteRemovesTheTickedItemsAndReportsTheSize()
    {
        scanToResult();
        auto *result = page<ORJunksResultViewCter>(2);
        // The Downloads category starts unticked: it must survive the removal.
        for (int row = 0; row < result->groupModel()->rowCount(); ++row)
            if (result->groupModel()->group(row)->groupID == 8)
                QCOMPARE(result->groupModel()->group(row)->isGroupDelFlag, qint64(0));
        result->delBut()->click();
        answer(result->alert(), QStringLiteral("Yes"));
        QCOMPARE(window->currentPage(), qint64(3));
        auto *removal = page<ORJunkDelViewCter>(3);
        QTRY_VERIFY(removal->completionBut()->isVisible());
        QVERIFY(sidebarEnabled());
        QCOMPARE(removal->sizeDelField()->text() + QLatin1Char(' ') + removal->removeUnitField()->text(),
                 QStringLiteral("8.54 KB"));  // 3000 + 5000 + 700 bytes and the 40 of its info file
        QVERIFY(fixture->exists(QStringLiteral("home/.cache/app-one")));  // emptied, kept
        QVERIFY(!fixture->exists(QStringLiteral("home/.cache/app-one/blob.bin")));
        QVERIFY(!fixture->exists(QStringLiteral("home/.local/share/Trash/files/old.txt")));
        QVERIFY(!fixture->exists(QStringLiteral("home/.local/share/Trash/info/old.txt.trashinfo")));
        QVERIFY(fixture->exists(QStringLiteral("home/Downloads/setup.iso")));

        removal->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(1));
        QVERIFY(page<ORJunkViewCter>(1)->briefView()->isVisible());
        window->next(1);
        QCOMPARE(window->currentPage(), qint64(1));
    }
};

QTEST_MAIN(TestORMainWinController)
#include "test_ORMainWinController.moc"
