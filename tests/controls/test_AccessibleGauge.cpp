// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessibleValueInterface>
#include <QtTest>

#include "gui/controls/ORProgressView.h"
#include "gui/controls/ORVerticalBarView.h"

// The busy circles and the bars as a screen reader meets them: progress
// bars, busy without a value, or the share of the bar's first value.
class TestAccessibleGauge : public QObject
{
    Q_OBJECT

private slots:
    void busyCircleIsABusyProgressBarNamedByItsTitle()
    {
        ORProgressView circle(nullptr, true);
        circle.setupWithTitle(QStringLiteral("Scanning"));
        QAccessibleInterface *gauge = QAccessible::queryAccessibleInterface(&circle);
        QCOMPARE(gauge->role(), QAccessible::ProgressBar);
        QCOMPARE(gauge->text(QAccessible::Name), QStringLiteral("Scanning"));
        QAccessibleValueInterface *value = gauge->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->maximumValue().toDouble(), 0.0);
        QVERIFY(gauge->text(QAccessible::Value).isEmpty());
    }

    void barTellsTheShareOfItsFirstValue()
    {
        ORVerticalBarView bar;
        bar.setAccessibleName(QStringLiteral("Memory in use"));
        bar.setupWithData({25, 50, -3, 25});
        QAccessibleInterface *gauge = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(gauge->role(), QAccessible::ProgressBar);
        QCOMPARE(gauge->text(QAccessible::Name), QStringLiteral("Memory in use"));
        QCOMPARE(gauge->valueInterface()->currentValue().toDouble(), 25.0);
        QCOMPARE(gauge->valueInterface()->maximumValue().toDouble(), 100.0);
        QVERIFY(gauge->text(QAccessible::Value).startsWith(QStringLiteral("25")));
        bar.removeData();
        QCOMPARE(gauge->valueInterface()->maximumValue().toDouble(), 0.0);
    }
};

QTEST_MAIN(TestAccessibleGauge)
#include "test_AccessibleGauge.moc"
