// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <limits>

#include "gui/controls/ORVerticalBarView.h"
#include "gui/controls/ORVerticalBarViewDelegate.h"

using Segments = QList<QPair<int, QRectF>>; // value index, rectangle
Q_DECLARE_METATYPE(Segments)

namespace {

class SecondIsRed : public ORVerticalBarViewDelegate
{
public:
    std::optional<QColor> colorWithIndex(int index) override
    {
        return index == 1 ? std::optional<QColor>(Qt::red) : std::nullopt;
    }
};

Segments segmentsOf(const ORVerticalBarView &view)
{
    Segments result;
    for (const sw::BarSegment &segment : view.barLayers())
        result.append({segment.index, segment.rect});
    return result;
}

} // namespace

class TestORVerticalBarView : public QObject
{
    Q_OBJECT

private slots:
    void segments_data()
    {
        constexpr qint64 huge = std::numeric_limits<qint64>::max();
        QTest::addColumn<QList<qint64>>("values");
        QTest::addColumn<Segments>("expected");
        QTest::newRow("in proportion")
            << QList<qint64>{1, 3} << Segments{{0, QRectF(0, 0, 100, 20)}, {1, QRectF(100, 0, 300, 20)}};
        QTest::newRow("sum 0 draws nothing") << QList<qint64>{0, 0} << Segments{};
        QTest::newRow("no values") << QList<qint64>{} << Segments{};
        QTest::newRow("zero and negative get none")
            << QList<qint64>{-5, 0, 10, 30} << Segments{{2, QRectF(0, 0, 100, 20)}, {3, QRectF(100, 0, 300, 20)}};
        QTest::newRow("negative values do not shrink the sum")
            << QList<qint64>{5, -5} << Segments{{0, QRectF(0, 0, 400, 20)}};
        QTest::newRow("only negative values") << QList<qint64>{-1, -2} << Segments{};
        QTest::newRow("sizes near the 64-bit limit")
            << QList<qint64>{huge, huge} << Segments{{0, QRectF(0, 0, 200, 20)}, {1, QRectF(200, 0, 200, 20)}};
    }
    void segments()
    {
        QFETCH(QList<qint64>, values);
        QFETCH(Segments, expected);
        ORVerticalBarView view;
        view.resize(400, 20);
        view.setupWithData(values);
        QCOMPARE(segmentsOf(view), expected);
    }

    void delegateColoursItsSegmentsAndEarlierOnesLieAbove()
    {
        ORVerticalBarView view;
        view.resize(400, 20);
        SecondIsRed delegate;
        view.setDelegate(&delegate);
        view.setupWithData({10, 20, 30});
        const auto &layers = view.barLayers();
        QCOMPARE(layers.size(), 3);
        QCOMPARE(layers.at(1).color, QColor(Qt::red));
        QVERIFY(layers.at(0).color.isValid() && layers.at(0).color != QColor(Qt::red));
        QVERIFY(layers.at(0).z > layers.at(1).z);
        QVERIFY(layers.at(1).z > layers.at(2).z);
    }

    void newDataReplacesTheOldAndRemoveDataClears()
    {
        ORVerticalBarView view;
        view.resize(400, 20);
        view.setupWithData({1, 1, 1, 1});
        view.setupWithData({1});
        QCOMPARE(view.barLayers().size(), 1);
        view.removeData();
        QVERIFY(view.barLayers().isEmpty());
        view.resize(200, 20); // nothing comes back on a resize
        QVERIFY(view.barLayers().isEmpty());
    }

    void segmentsFollowTheViewWidth()
    {
        ORVerticalBarView view;
        view.resize(400, 20);
        view.setupWithData({1, 1});
        view.resize(200, 30);
        QCOMPARE(segmentsOf(view), (Segments{{0, QRectF(0, 0, 100, 30)}, {1, QRectF(100, 0, 100, 30)}}));
    }
};

QTEST_MAIN(TestORVerticalBarView)
#include "test_ORVerticalBarView.moc"
