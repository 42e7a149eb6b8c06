// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/mem/MemoryMonitor.h"
#include "core/mem/ORMemoryCollection.h"
#include "core/platform/DesktopNotifier.h"
#include "gui/controls/ORMemCircleView.h"
#include "gui/controls/ORVerticalBarView.h"
#include "gui/mem/ORMemViewCter.h"
#include "gui/mem/ORQuotesWinCter.h"
#include "gui/mem/ORQuotesWindow.h"
#include "support/NotificationsStandIn.h"
#include "support/PageFixture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

// The memory page on a fixture /proc: its figures, the automatic release at
// the threshold as the page shows it, the released amount and its pop-ups.
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
               "SwapTotal:       2000000 kB\n"
               "SwapFree:        1500000 kB\n"
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
        // Available below free and buffers: no cache to give back, the rest is used.
        QCOMPARE(page.usedTextField->text(), size(4000000 - 1000000 - 50000));
        QCOMPARE(page.cachedTextField->text(), size(0));
        QCOMPARE(page.buffersTextField->text(), size(50000));
        QCOMPARE(page.freeTextField->text(), size(1000000));
        QCOMPARE(page.availableTextField->text(), size(100000));
        QCOMPARE(page.totalTextField->text(), size(4000000));
        QCOMPARE(page.swapTextField->text(), QStringLiteral("%1 of %2 in use").arg(size(500000), size(2000000)));
        const QList<sw::BarSegment> segments = page.memVerticalBar->barLayers();
        QCOMPARE(segments.size(), 3);  // used, buffers, free: no cache, no segment
        for (const sw::BarSegment &segment : segments)
            QCOMPARE(segment.color, *page.colorWithIndex(segment.index));
        QCOMPARE(*page.colorWithIndex(5), QColor(Qt::black));

        // The page's own reading: the disk is shared, and its free space moves
        // between two readings.
        const std::optional<ORDisk> disk = page.or_disk;
        QVERIFY(disk && disk->total > 0);
        QCOMPARE(disk->total, ORMemoryCollection().diskSpace()->total);
        QCOMPARE(page.availableSpaceTextField->text(), ORUtility::sizeFormatWithNumber(qint64(disk->free)));
        QCOMPARE(page.totalSpaceTextField->text(), ORUtility::sizeFormatWithNumber(qint64(disk->used())));

        // Without meminfo the figures keep their values.
        QFile::remove(m_fixture->home(QStringLiteral("proc/meminfo")));
        page.refreshMemUsage();
        QCOMPARE(page.totalTextField->text(), size(4000000));
    }

    void usageAtTheThresholdReleasesAutomatically()
    {
        sw::MemoryMonitor &monitor = sw::MemoryMonitor::shareInstance();
        RecordingDelegate delegate;
        ORMemViewCter page(&delegate);
        page.show();
        ORPrefConfig::setMemoryUsageEnable(75);
        page.refreshMemUsage();  // automatic release is off
        QVERIFY(!monitor.isReleasing());

        ORPrefConfig::setAutoMemoryEnable(true);
        ORPrefConfig::setMemoryUsageEnable(76);
        page.refreshMemUsage();
        QVERIFY(!monitor.isReleasing());

        ORPrefConfig::setMemoryUsageEnable(75);
        page.refreshMemUsage();
        QVERIFY(monitor.isReleasing());
        QVERIFY(!delegate.sidebarEnabled);
        QVERIFY(!page.freeMemoryButton->isEnabled());
        QVERIFY(page.circleView->isVisible());
        QTRY_VERIFY(!monitor.isReleasing());
        QVERIFY(delegate.sidebarEnabled);
        QVERIFY(page.freeMemoryButton->isEnabled());
        // The fixture's figures did not move: nothing was released.
        QPointer<ORQuotesWinCter> popUp = page.quotesWinCter;
        QVERIFY(popUp);
        QCOMPARE(popUp->infoTextField->text(), QStringLiteral("Released Memory"));
        QCOMPARE(popUp->contentTextField->text(), QStringLiteral("0"));
        QCOMPARE(popUp->contentUnitTextField->text(), QStringLiteral("B"));

        // Still at the threshold: no second release, no second pop-up.
        page.refreshMemUsage();
        QVERIFY(!monitor.isReleasing());
        QCOMPARE(page.quotesWinCter, popUp);
        ORPrefConfig::setAutoMemoryEnable(false);
    }

    // Counters of more memory than is installed are shown as unavailable,
    // not as figures made of them.
    void contradictingFiguresShowAsUnavailable()
    {
        ORMemViewCter page;
        page.show();
        m_fixture->write(QStringLiteral("proc/meminfo"), QByteArray(meminfo()).replace("MemTotal:        4000000",
                                                                                        "MemTotal:            100"));
        page.refreshMemUsage();
        for (QLabel *field : {page.usedTextField, page.availableTextField, page.totalTextField})
            QCOMPARE(field->text(), QStringLiteral("Unavailable"));
        QVERIFY(page.memVerticalBar->barLayers().isEmpty());
    }

    void eachReleaseShowsItsAmountSplitAndAPopUpThatClosesOnItsOwnClick()
    {
        ORMemViewCter page;
        page.show();
        page.memoryFreed(qint64(1'500'000'000));
        QCOMPARE(page.cleanedMemTextField->text(), QStringLiteral("1.5"));
        QCOMPARE(page.unitTextField->text(), QStringLiteral("GB"));
        QPointer<ORQuotesWinCter> first = page.quotesWinCter;
        QCOMPARE(first->contentTextField->text(), QStringLiteral("1.5"));
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

    // The busy gauge was placed by the page's centre and lay over the
    // figures on a page smaller than the one it was drawn for.
    void theBusyGaugeNeverCoversAFigure()
    {
        ORMemViewCter page;
        page.show();
        page.viewDidAppear();
        for (const QSize size : {QSize(640, 560), QSize(900, 640), QSize(1100, 720)}) {
            page.resize(size);
            const QRect gauge(page.circleView->mapTo(&page, QPoint()), page.circleView->size());
            QVERIFY(page.rect().contains(gauge));
            for (const QWidget *figure : page.findChildren<QWidget *>()) {
                const bool shows = qobject_cast<const QLabel *>(figure) || qobject_cast<const ORVerticalBarView *>(figure)
                                   || qobject_cast<const QPushButton *>(figure);
                if (!shows || !figure->isVisible() || page.circleView->isAncestorOf(figure))
                    continue;
                const QRect place(figure->mapTo(&page, QPoint()), figure->size());
                QVERIFY2(!place.intersects(gauge), figure->metaObject()->className());
            }
        }
    }

    // The pop-up stayed on the screen until someone clicked it.
    void thePopUpGoesByItselfAfterAFewSeconds()
    {
        ORMemViewCter page;
        page.show();
        page.memoryFreed(4096);
        QPointer<ORQuotesWindow> window = page.quotesWinCter->window();
        QVERIFY(window->isVisible());
        QTest::qWait(1000);
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(!window, int(std::chrono::milliseconds(ORQuotesWinCter::kShownFor).count()) + 2000);
        QTRY_VERIFY(!page.quotesWinCter);
    }

    // A release while the window is hidden (the tray's, or an automatic
    // one) showed its pop-up over no window: the desktop tells it now. A
    // window on screen keeps its pop-up.
    void aReleaseWhileTheWindowIsHiddenIsToldByTheDesktop()
    {
        swtest::NotificationsStandIn service;
        QVERIFY(service.start());
        struct : RecordingDelegate
        {
            sw::DesktopNotifier notifier;
            sw::DesktopNotifier *desktopNotifier() override { return &notifier; }
        } delegate;
        ORMemViewCter page(&delegate);
        page.memoryFreed(qint64(1'500'000'000));
        QVERIFY(!page.quotesWinCter);
        QCOMPARE(page.cleanedMemTextField->text(), QStringLiteral("1.5"));
        QTRY_COMPARE(service.shown().size(), 1);
        QCOMPARE(service.shown().constFirst().summary, QStringLiteral("Released Memory"));
        QCOMPARE(service.shown().constFirst().body, QStringLiteral("1.5 GB"));

        page.show();
        page.memoryFreed(2048);
        QVERIFY(page.quotesWinCter);
        delegate.notifier.notify(QStringLiteral("marker"), QString(), 0);
        QCOMPARE(service.summariesBefore(QStringLiteral("marker")), QStringList{QStringLiteral("Released Memory")});
    }

private:
    std::unique_ptr<PageFixture> m_fixture;
};

QTEST_MAIN(TestORMemViewCter)
#include "test_ORMemViewCter.moc"
