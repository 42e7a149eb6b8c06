// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <memory>

#include "gui/controls/ORMemCircleView.h"
#include "gui/controls/ORProgressView.h"

namespace {

enum Kind { Progress, Memory };

std::unique_ptr<sw::BusyCircleView> makeCircle(Kind kind, bool busy)
{
    std::unique_ptr<sw::BusyCircleView> view;
    if (kind == Progress)
        view = std::make_unique<ORProgressView>(nullptr, busy);
    else
        view = std::make_unique<ORMemCircleView>(nullptr, busy);
    view->resize(180, 180);
    return view;
}

// Set up, shown and started, as the pages use it.
std::unique_ptr<sw::BusyCircleView> startedCircle(Kind kind, bool busy)
{
    auto view = makeCircle(kind, busy);
    view->setupWithTitle(QStringLiteral("Scanning"));
    view->show();
    view->start();
    return view;
}

// Pixels that differ from the first one: the view has drawn something.
int drawnPixels(QWidget &view)
{
    const QImage image = view.grab().toImage();
    const QRgb background = image.pixel(0, 0);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != background;
    return count;
}

} // namespace

class TestBusyCircleView : public QObject
{
    Q_OBJECT

private slots:
    void bothKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("progress") << int(Progress);
        QTest::newRow("memory") << int(Memory);
    }

    void nonBusyCircleDrawsButNeverTurns_data() { bothKinds_data(); }
    void nonBusyCircleDrawsButNeverTurns()
    {
        QFETCH(int, kind);
        auto view = startedCircle(Kind(kind), false);
        QVERIFY(!view->isRotating());
        QTest::qWait(50);
        QCOMPARE(view->rotation(), 0.0);
        QVERIFY(drawnPixels(*view) > 500);
    }

    void busyCircleTurnsClockwiseUntilStopped_data() { bothKinds_data(); }
    void busyCircleTurnsClockwiseUntilStopped()
    {
        QFETCH(int, kind);
        auto view = startedCircle(Kind(kind), true);
        QVERIFY(view->isRotating());
        QTRY_VERIFY(view->rotation() > 0);
        view->stop();
        QVERIFY(!view->isRotating());
        QCOMPARE(view->rotation(), 0.0);
    }

    void nothingIsDrawnBeforeSetup()
    {
        auto view = makeCircle(Progress, true);
        QCOMPARE(drawnPixels(*view), 0);
    }

    void progressViewStopTakesTheDrawingAway()
    {
        ORProgressView view(nullptr, true);
        view.resize(180, 180);
        view.setupWithTitle(QStringLiteral("Deleting"));
        view.start();
        view.stop();
        QVERIFY(!view.hasLayers());
        QCOMPARE(drawnPixels(view), 0);
        view.setupWithTitle(QStringLiteral("Scanning"));
        QVERIFY(drawnPixels(view) > 500);
    }

    void memoryViewKeepsItsDrawingUntilRemoved()
    {
        ORMemCircleView view(nullptr, true);
        view.resize(180, 180);
        view.setupWithTitle(QStringLiteral("40%"));
        view.start();
        view.stop();
        QVERIFY(drawnPixels(view) > 500);
        view.removeCircleView();
        QCOMPARE(drawnPixels(view), 0);
    }

    void hiddenCircleDoesNotSpendTimeTurning()
    {
        auto view = startedCircle(Progress, true);
        QTRY_VERIFY(view->rotation() > 0);
        view->hide();
        const qreal frozen = view->rotation();
        QTest::qWait(60);
        QCOMPARE(view->rotation(), frozen);
        QVERIFY(view->isRotating()); // and it turns again when shown
        view->show();
        QTRY_VERIFY(view->rotation() != frozen);
    }
};

QTEST_MAIN(TestBusyCircleView)
#include "test_BusyCircleView.moc"
