// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORUtility.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "core/platform/DesktopNotifier.h"
#include "gui/junk/ORJunkDelViewCter.h"
#include "gui/junk/ORJunksResultViewCter.h"
#include "gui/junk/ORJunkViewCter.h"
#include "gui/shell/AwayNotice.h"
#include "support/JunkFixture.h"
#include "support/NotificationsStandIn.h"
#include "support/ToolWindow.h"

#include <QtTest>

using namespace std::chrono_literals;
using swtest::NotificationsStandIn;

// The junk cleaner in the main window, with a stand-in notification service:
// a long scan or removal that ends while the user is away is told, once,
// with what it found or removed; one the user watched, or a short one, is
// not; a click on the notification brings the window back on the tool.
class TestAwayNotice : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<JunkFixture> fixture;

    static void scan(ToolWindow &tool)
    {
        tool.page<ORJunkViewCter>(sw::JunkScanPage)->startBut()->click();
        QTRY_COMPARE(tool.currentPage(), qint64(sw::JunkResultPage));
    }
    // The summaries the window's notifier sent so far.
    static QStringList sentSoFar(ToolWindow &tool, const NotificationsStandIn &service)
    {
        tool.window.desktopNotifier()->notify(QStringLiteral("marker"), QString(), 0);
        return service.summariesBefore(QStringLiteral("marker"));
    }

private slots:
    void init()
    {
        fixture = std::make_unique<JunkFixture>();
        ORJunkFilesCollection::shareInstance().startOver();
    }
    void cleanup()
    {
        sw::AwayNotice::setMinimumRun(sw::AwayNotice::kMinimumRun);
        ORJunkFilesCollection::shareInstance().startOver();
        fixture.reset();
    }

    void aScanIsToldOnlyWhenItRanLongAndEndedUnwatched_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("ranLong");
        QTest::addColumn<bool>("told");
        QTest::newRow("long, window hidden") << QStringLiteral("hidden") << true << true;
        QTest::newRow("long, window minimised") << QStringLiteral("minimised") << true << true;
        QTest::newRow("long, another window active") << QStringLiteral("behind") << true << true;
        QTest::newRow("long, window active") << QStringLiteral("active") << true << false;
        QTest::newRow("short, window hidden") << QStringLiteral("hidden") << false << false;
    }
    void aScanIsToldOnlyWhenItRanLongAndEndedUnwatched()
    {
        QFETCH(QString, window);
        QFETCH(bool, ranLong);
        QFETCH(bool, told);
        NotificationsStandIn service;
        QVERIFY(service.start());
        ToolWindow tool;
        QVERIFY(tool.exposed());
        QWidget other;
        if (window == QLatin1String("hidden")) {
            tool.window.hide();
        } else if (window == QLatin1String("minimised")) {
            tool.window.showMinimized();
        } else if (window == QLatin1String("behind")) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        } else {
            tool.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&tool.window));
        }
        if (ranLong)
            sw::AwayNotice::setMinimumRun(0ms);  // every run is long
        scan(tool);

        const QStringList sent = sentSoFar(tool, service);
        if (!told) {
            QCOMPARE(sent, QStringList());
            return;
        }
        const qint64 found = ORJunkFilesCollection::shareInstance().result()->junkTotalSize;
        QVERIFY(found > 0);
        QCOMPARE(sent, QStringList{QStringLiteral("Junk Clean found ") + ORUtility::sizeFormatWithNumber(found)});
        const NotificationsStandIn::Notification shown = service.shown().constFirst();
        QCOMPARE(shown.body, QStringLiteral("Review the result and choose what to remove."));
        QCOMPARE(shown.hints.value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("org.sweepwright.Sweepwright"));
    }

    // The report's title and figures, as the removal page shows them.
    void aLongRemovalEndingUnwatchedIsToldWithItsReport()
    {
        NotificationsStandIn service;
        QVERIFY(service.start());
        ToolWindow tool;
        QVERIFY(tool.exposed());
        tool.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tool.window));
        sw::AwayNotice::setMinimumRun(0ms);
        scan(tool);  // watched: not told
        auto *result = tool.page<ORJunksResultViewCter>(sw::JunkResultPage);
        result->delBut()->click();
        QVERIFY(answerSheet(result->alert(), true));
        // The removal starts once the event loop is back: the window is gone by then.
        tool.window.hide();
        auto *removal = tool.page<ORJunkDelViewCter>(sw::JunkRemovalPage);
        QTRY_VERIFY(!removal->isDeleting() && !removal->removeSizeView()->isHidden());

        QCOMPARE(sentSoFar(tool, service), QStringList{QStringLiteral("Junk files deleted")});
        QCOMPARE(service.shown().constFirst().body,
                 QStringLiteral("%1, %2").arg(removal->countField()->text(), ORUtility::sizeFormatWithNumber(3000 + 5000)));
    }

    // The user went on to another tool meanwhile: the click opens the
    // junk cleaner again, on its result, with its sidebar button selected.
    void clickingTheNotificationBringsTheWindowBackOnItsTool()
    {
        NotificationsStandIn service;
        QVERIFY(service.start());
        ToolWindow tool;
        QVERIFY(tool.exposed());
        sw::AwayNotice::setMinimumRun(0ms);
        tool.window.hide();
        scan(tool);
        QTRY_COMPARE(service.shown().size(), 1);
        tool.window.show();
        tool.clickSidebar(sw::ShredderPage);
        tool.window.showMinimized();

        QVERIFY(service.click(service.shown().constFirst().id));
        QTRY_VERIFY(tool.window.isVisible() && !tool.window.isMinimized());
        QTRY_COMPARE(tool.currentPage(), qint64(sw::JunkResultPage));
        QVERIFY(tool.window.buttonWithTag(sw::JunkScanPage)->isChecked());
        QVERIFY(!tool.window.buttonWithTag(sw::ShredderPage)->isChecked());
    }
};

QTEST_MAIN(TestAwayNotice)
#include "test_AwayNotice.moc"
