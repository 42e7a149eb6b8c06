// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "gui/controls/ORWaveView.h"

class TestORWaveView : public QObject
{
    Q_OBJECT

private slots:
    void unsetValuesTakeTheirDefaults()
    {
        ORWaveView view(nullptr, Qt::green, Qt::blue);
        view.resize(400, 228);
        QCOMPARE(view.waveWidth(), 420.0);
        QCOMPARE(view.waveHeight(), 10.0);
        QCOMPARE(view.waveColor(), QColor(Qt::white));
        QCOMPARE(view.waveSpeed(), 2.5);
        QCOMPARE(view.wavePointY(), 150.0);
        QCOMPARE(view.waveAmplitude(), 10.0);
        QVERIFY(qFuzzyCompare(view.waveCycle(), 1.29 * M_PI / 420.0));
    }

    void widthFollowsTheViewUnlessSet()
    {
        ORWaveView view(nullptr, Qt::green, Qt::blue);
        view.resize(300, 228);
        QCOMPARE(view.waveWidth(), 320.0);
        view.resize(800, 228);
        QCOMPARE(view.waveWidth(), 820.0);
        view.setWaveWidth(500);
        view.setWaveSpeed(4);
        view.resize(200, 228);
        QCOMPARE(view.waveWidth(), 500.0);
        QCOMPARE(view.waveSpeed(), 4.0);
        QVERIFY(qFuzzyCompare(view.waveCycle(), 1.29 * M_PI / 500.0));
    }

    void eachTickMovesTheWavesWithinTheirBand()
    {
        ORWaveView view(nullptr, Qt::green, Qt::blue);
        view.resize(400, 228);
        const double before = view.waveOffsetX();
        const QPainterPath oldPath = view.wavePath(1);
        view.getCurrentWave();
        QCOMPARE(view.waveOffsetX(), before + 2.5);
        QVERIFY(view.wavePath(1) != oldPath);
        for (int which : {1, 2}) {
            const QRectF box = view.wavePath(which).boundingRect();
            QCOMPARE(box.left(), 0.0);
            QCOMPARE(box.top(), 0.0); // hangs from the top edge
            QVERIFY(box.right() >= 420.0 - 0.5);
            QVERIFY(box.bottom() <= 150.0 + 16.0 + 1e-9);
            QVERIFY(box.bottom() > 150.0);
        }
    }

    void clockRunsOnlyWhileVisible()
    {
        ORWaveView view(nullptr, Qt::green, Qt::blue);
        view.resize(400, 228);
        QVERIFY(!view.isAnimating());
        view.show();
        QVERIFY(view.isAnimating());
        view.hide();
        QVERIFY(!view.isAnimating());
    }
};

QTEST_MAIN(TestORWaveView)
#include "test_ORWaveView.moc"
