// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/bigs/ORBigNoVeiwCter.h"
#include "gui/dups/ORDupNoViewCter.h"
#include "support/PageFixture.h"
#include "ToolEngines.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The nothing-found pages of the large-file and duplicate tools: the sidebar
// stays usable, and their button forgets the result and leads back.
class TestNothingFoundPage : public QObject
{
    Q_OBJECT

private slots:
    void sidebarStaysEnabledAndTheButtonLeadsBack_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<qint64>("scanPage");
        QTest::newRow("large files") << true << qint64(17);
        QTest::newRow("duplicates") << false << qint64(13);
    }
    void sidebarStaysEnabledAndTheButtonLeadsBack()
    {
        QFETCH(bool, large);
        QFETCH(qint64, scanPage);
        PageFixture fixture;
        RecordingDelegate delegate;
        const bool found = large ? ToolEngines::scan<ORBigDataCollection>() : ToolEngines::scan<ORDupDataCollection>();
        QVERIFY(!found);
        std::unique_ptr<sw::NothingFoundPage> page;
        if (large)
            page = std::make_unique<ORBigNoVeiwCter>(&delegate);
        else
            page = std::make_unique<ORDupNoViewCter>(&delegate);
        page->show();
        page->viewWillAppear();
        page->viewDidAppear();
        QCOMPARE(page->infoTextField()->text(), large ? QStringLiteral("No large files were found in these folders.")
                                                     : QStringLiteral("No duplicates were found in these folders."));
        QVERIFY(delegate.sidebarEnabled);
        page->button()->click();
        QVERIFY(delegate.sidebarEnabled);
        QCOMPARE(delegate.pages, QList<qint64>{scanPage});
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
    }
};

QTEST_MAIN(TestNothingFoundPage)
#include "test_NothingFoundPage.moc"
