// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/DesktopNotifier.h"
#include "support/NotificationsStandIn.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using swtest::NotificationsStandIn;

// The notifier against a stand-in notification service on a private bus:
// what a Notify carries, which clicks come back, and that a missing or hung
// service costs the program nothing.
class TestDesktopNotifier : public QObject
{
    Q_OBJECT

private slots:
    void notifyCarriesTheProgramsNameIconEntryAndAShowAction()
    {
        NotificationsStandIn service;
        QVERIFY(service.start());
        sw::DesktopNotifier notifier;
        QVERIFY(notifier.hasService());
        notifier.notify(QStringLiteral("Junk Clean found 1.2 GB"), QStringLiteral("Review it"), 2);
        QTRY_COMPARE(service.shown().size(), 1);
        const NotificationsStandIn::Notification shown = service.shown().constFirst();
        QCOMPARE(shown.appName, QStringLiteral("Sweepwright"));
        QCOMPARE(shown.appIcon, QStringLiteral("org.sweepwright.Sweepwright"));
        QCOMPARE(shown.summary, QStringLiteral("Junk Clean found 1.2 GB"));
        QCOMPARE(shown.body, QStringLiteral("Review it"));
        QCOMPARE(shown.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Show")}));
        QCOMPARE(shown.hints, (QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.sweepwright.Sweepwright")}}));
        QCOMPARE(shown.expireTimeout, -1);
        QCOMPARE(shown.replacesId, 0u);
    }

    // A click on the body of one of ours hands back its context, once;
    // another action, another program's notification or a second click
    // of the same one (closed by then) hand back nothing.
    void onlyAClickOnTheBodyOfOneOfOursComesBack()
    {
        NotificationsStandIn service;
        QVERIFY(service.start());
        sw::DesktopNotifier notifier;
        QSignalSpy activated(&notifier, &sw::DesktopNotifier::activated);
        notifier.notify(QStringLiteral("first"), QString(), 19);
        notifier.notify(QStringLiteral("second"), QString(), 23);
        QTRY_COMPARE(service.shown().size(), 2);

        QVERIFY(service.click(service.shown().at(0).id, QStringLiteral("settings")));
        QVERIFY(service.click(77));
        QVERIFY(service.click(service.shown().at(1).id));
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(activated.at(0).at(0).toLongLong(), 23);
        QVERIFY(service.click(service.shown().at(1).id));
        QVERIFY(service.click(service.shown().at(0).id));  // closed after its other action
        QTest::qWait(200);
        QCOMPARE(activated.size(), 1);
    }

    // Nothing to show the notification, or a service that never answers:
    // notify() returns at once, warns of nothing, and no click comes back.
    void withoutAnsweringServiceNothingHappensAndNothingWaits_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("present");
        QTest::newRow("no bus") << QStringLiteral("no bus") << false;
        QTest::newRow("bus without the service") << QStringLiteral("no service") << false;
        QTest::newRow("service that never answers") << QStringLiteral("silent") << true;
    }
    void withoutAnsweringServiceNothingHappensAndNothingWaits()
    {
        QFETCH(QString, setting);
        QFETCH(bool, present);
        NotificationsStandIn service;
        std::unique_ptr<swtest::EnvOverride> deadBus;
        if (setting == QLatin1String("no bus"))
            deadBus = std::make_unique<swtest::EnvOverride>(
                "SWEEPWRIGHT_NOTIFICATIONS_BUS", "unix:path=" + QFile::encodeName(service.tree().path("none")));
        else if (setting == QLatin1String("silent"))
            QVERIFY(service.start(true));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        sw::DesktopNotifier notifier;
        QSignalSpy activated(&notifier, &sw::DesktopNotifier::activated);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(notifier.hasService(), present);
        for (int i = 0; i < 3; ++i)
            notifier.notify(QStringLiteral("Removed 14 items"), QString(), i);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        if (present)
            QCOMPARE(service.callsOnceThere(QStringLiteral("Notify"), 3).size(), 3);
        QTest::qWait(200);
        QCOMPARE(activated.size(), 0);
    }
};

QTEST_MAIN(TestDesktopNotifier)
#include "test_DesktopNotifier.moc"
