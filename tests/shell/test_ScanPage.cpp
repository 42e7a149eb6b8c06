// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/Translations.h"
#include "GeneratedTree.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/shell/ScanProgressPanel.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// A scan page's job: the count of items looked at while it works, and Cancel,
// which returns to the idle scan page within a second even in a huge tree;
// and its introduction, whose text must show whole.
class TestScanPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { sw::Translations::install(); }

    // The uninstaller's and the extensions' texts wrap into more lines than
    // the column's width would take: they were cut off at top and bottom.
    void introductionTextsShowEveryLine_data()
    {
        QTest::addColumn<qint64>("page");
        QTest::newRow("junk") << qint64(sw::JunkScanPage);
        QTest::newRow("uninstaller") << qint64(sw::UninstallerPage);
        QTest::newRow("extensions") << qint64(sw::ExtensionsPage);
    }
    void introductionTextsShowEveryLine()
    {
        QFETCH(qint64, page);
        PageFixture fixture;
        ToolWindow tool;
        QVERIFY(tool.exposed());
        tool.clickSidebar(page);
        QWidget *shown = tool.window.pageController(page);
        QVERIFY(shown);
        QTRY_VERIFY(shown->isVisible());
        int texts = 0;
        for (const QLabel *label : shown->findChildren<QLabel *>()) {
            if (!label->isVisible() || !label->wordWrap() || label->text().isEmpty())
                continue;
            ++texts;
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
        }
        QVERIFY(texts > 0);
    }

    void cancelInAHugeTreeReturnsToTheIdlePageWithinASecond()
    {
        PageFixture fixture;
        ORDupDataCollection::shareInstance().startOver();
        // 100,000 files of one size: every one of them goes on to the
        // digest stage, a long scan.
        QVERIFY(generateTree(fixture.home(QStringLiteral("Documents/tree")), 100, 1000, 20000));
        ToolWindow tool;
        QVERIFY(tool.exposed());
        tool.clickSidebar(sw::DupScanPage);
        auto *page = tool.page<ORDupViewCter>(sw::DupScanPage);
        page->startBut()->click();
        QVERIFY(!tool.sidebarEnabled());
        QTRY_VERIFY(page->runner()->progress().items > 1000);
        QTRY_VERIFY(page->progressPanel()->countTextField()->text().endsWith(QStringLiteral("items looked at")));
        QVERIFY(page->isScanning());

        QElapsedTimer clock;
        clock.start();
        page->progressPanel()->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(page->idleView()->isVisible(), 1000);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!page->isScanning());
        QCOMPARE(tool.currentPage(), qint64(sw::DupScanPage));
        QVERIFY(tool.sidebarEnabled());
        QVERIFY(!ORDupDataCollection::shareInstance().result());
        // Nothing held, so the tool opens on its scan page again.
        tool.clickSidebar(sw::JunkScanPage);
        tool.clickSidebar(sw::DupScanPage);
        QCOMPARE(tool.currentPage(), qint64(sw::DupScanPage));
        ORDupDataCollection::shareInstance().startOver();
    }
};

QTEST_MAIN(TestScanPage)
#include "test_ScanPage.moc"
