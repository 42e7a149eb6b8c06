#include "ORMemViewCter.h"
#include "ORMemoryCollection.h"
#include "ORQuotesWinCter.h"
#include "ORQuotesWindow.h"
#include "ORUtility.h"
#include "ORVerticalBarView.h"
#include "PageFixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

// The memory page on a fixture /proc: its figures, the automatic release at
// the threshold, the released amount and its pop-ups, and the clock's marks.
class TestORMemViewCter : public QObject
{
    Q_OBJECT

    static constexpr qint64 KiB = 1024;

    // 4 GB installed, 1 GB free, nothing inactive: 75 % in use. Available
    // memory is below the release's floor, so a release touches nothing.
    static QByteArray meminfo()
    {
        return "MemTotal:        4000000 kB\n"
               "MemFree:         1000000 kB\n"
               "MemAvailable:     100000 kB\n"
               "Buffers:           50000 kB\n"
               "Cached:           600000 kB\n"
               "Active:          1500000 kB\n"
               "Inactive:              0 kB\n"
               "Unevictable:        1000 kB\n"
               "Zswap:             20000 kB\n"
               "AnonPages:       1000000 kB\n"
               "Shmem:             50000 kB\n"
               "SUnreclaim:         4000 kB\n"
               "KernelStack:        2000 kB\n"
               "PageTables:         3000 kB\n";
    }

    static QString size(qint64 kib) { return ORUtility::sizeFormatWithNumber(kib * KiB); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<PageFixture>();
        // The fixture writes below its home; a proc folder there is as good.
        m_fixture->write(QStringLiteral("proc/meminfo"), meminfo());
        qputenv("SWEEPWRIGHT_PROC", m_fixture->home(QStringLiteral("proc")).toLocal8Bit());
        ORPrefConfig::setAutoMemoryEnable(false);
    }
    void cleanup()
    {
        qunsetenv("SWEEPWRIGHT_PROC");
        m_fixture.reset();
    }

    void showsTheFiguresOfProcAndTheDocumentsDisk()
    {
        ORMemViewCter page;
        page.resize(900, 640);
        page.show();
        page.viewDidAppear();
        QCOMPARE(page.wiredTextField->text(), size(1000 + 2000 + 3000 + 4000));
        QCOMPARE(page.compressedTextField->text(), size(20000));
        QCOMPARE(page.filecacheTextField->text(), size(600000 + 50000 - 50000));
        QCOMPARE(page.appMemTextField->text(), size(1000000 + 50000));
        QCOMPARE(page.availableTextField->text(), size(1000000));
        QCOMPARE(page.totalTextField->text(), size(4000000));
        const QList<sw::BarSegment> segments = page.memVerticalBar->barLayers();
        QCOMPARE(segments.size(), 5);
        for (const sw::BarSegment &segment : segments)
            QCOMPARE(segment.color, *page.colorWithIndex(segment.index));
        QCOMPARE(*page.colorWithIndex(5), QColor(Qt::black));

        const std::optional<ORDisk> disk = ORMemoryCollection().diskSpace();
        QVERIFY(disk && disk->total > 0);
        QCOMPARE(page.availableSpaceTextField->text(), ORUtility::sizeFormatWithNumber(qint64(disk->free)));
        QCOMPARE(page.totalSpaceTextField->text(), ORUtility::sizeFormatWithNumber(qint64(disk->used())));

        // Without meminfo the figures keep their values.
        QFile::remove(m_fixture->home(QStringLiteral("proc/meminfo")));
        page.refreshMemUsage();
        QCOMPARE(page.totalTextField->text(), size(4000000));
    }

    void usageAtTheThresholdReleasesAutomatically()
    {
        RecordingDelegate delegate;
        ORMemViewCter page(&delegate);
        page.show();
        ORPrefConfig::setMemoryUsageEnable(75);
        page.refreshMemUsage();  // automatic release is off
        QCOMPARE(ORMemViewCter::releaseFlag(), int(ORMemViewCter::Idle));

        ORPrefConfig::setAutoMemoryEnable(true);
        ORPrefConfig::setMemoryUsageEnable(76);
        page.refreshMemUsage();
        QCOMPARE(ORMemViewCter::releaseFlag(), int(ORMemViewCter::Idle));

        ORPrefConfig::setMemoryUsageEnable(75);
        page.refreshMemUsage();
        QCOMPARE(ORMemViewCter::releaseFlag(), int(ORMemViewCter::Releasing));
        QVERIFY(!delegate.sidebarEnabled);
        QVERIFY(!page.freeMemoryButton->isEnabled());
        QVERIFY(!page.timer);
        QTRY_COMPARE(ORMemViewCter::releaseFlag(), int(ORMemViewCter::Idle));
        QVERIFY(delegate.sidebarEnabled);
        QVERIFY(page.freeMemoryButton->isEnabled());
        // The fixture's figures did not move: nothing was released.
        QVERIFY(page.quotesWinCter);
        QCOMPARE(page.quotesWinCter->infoTextField->text(), QStringLiteral("Released Memory"));
        QCOMPARE(page.quotesWinCter->contentTextField->text(), QStringLiteral("0"));
        QCOMPARE(page.quotesWinCter->contentUnitTextField->text(), QStringLiteral("B"));
    }

    void eachReleaseShowsItsAmountSplitAndAPopUpThatClosesOnItsOwnClick()
    {
        ORMemViewCter page;
        page.show();
        page.memoryFreed(qint64(1536) * 1024 * 1024);
        QCOMPARE(page.cleanedMemTextField->text(), QStringLiteral("1.50"));
        QCOMPARE(page.unitTextField->text(), QStringLiteral("GB"));
        QPointer<ORQuotesWinCter> first = page.quotesWinCter;
        QCOMPARE(first->contentTextField->text(), QStringLiteral("1.50"));
        QCOMPARE(first->contentUnitTextField->text(), QStringLiteral("GB"));
        QPointer<ORQuotesWindow> firstWindow = first->window();
        QVERIFY(firstWindow->isVisible());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(firstWindow->pos(), QPoint(screen.right() + 1 - firstWindow->width() - 5, screen.top() + 25));

        page.memoryFreed(2048);
        QPointer<ORQuotesWinCter> second = page.quotesWinCter;
        QVERIFY(second != first);
        QPointer<ORQuotesWindow> secondWindow = second->window();
        QTest::mouseClick(firstWindow.data(), Qt::LeftButton);
        QTRY_VERIFY(!firstWindow);
        QTRY_VERIFY(!first);
        QVERIFY(secondWindow && secondWindow->isVisible());
        QTest::mouseClick(secondWindow.data(), Qt::LeftButton);
        QTRY_VERIFY(!secondWindow);
    }

    void theClockFallsOnThirtySecondMarks()
    {
        const auto at = [](int h, int m, int s) {
            return QDateTime(QDate(2026, 12, 9), QTime(h, m, s), Qt::UTC).toSecsSinceEpoch();
        };
        QCOMPARE(ORMemViewCter::firstRefreshDelay(at(12, 0, 17)), 13);
        QCOMPARE(ORMemViewCter::firstRefreshDelay(at(12, 0, 29)), 1);
        QCOMPARE(ORMemViewCter::firstRefreshDelay(at(12, 0, 30)), 30);
        QCOMPARE(ORMemViewCter::firstRefreshDelay(at(12, 0, 0)), 30);
    }

private:
    std::unique_ptr<PageFixture> m_fixture;
};

QTEST_MAIN(TestORMemViewCter)
#include "test_ORMemViewCter.moc"
