// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "CellTestSupport.h"
#include "gui/controls/ORItemTableCellView.h"

using Kind = ORItemTableCellView::Kind;
using Parts = ORItemTableCellView::Parts;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Parts)

namespace {
ORItemTableCellView *itemDelegate(Kind kind)
{
    auto *delegate = new ORItemTableCellView;
    delegate->isPreview = kind.isPreview;
    delegate->isBigFile = kind.isBigFile;
    delegate->isAppFile = kind.isAppFile;
    return delegate;
}
} // namespace

class TestORItemTableCellView : public QObject
{
    Q_OBJECT

private slots:
    void partsByKindAndHover_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<Parts>("parts"); // name, path, open, preview
        const Kind app{false, false, true}, big{false, true, false};
        const Kind plain{false, false, false}, previewable{true, false, false};
        QTest::newRow("app, over") << app << true << Parts{false, true, false, false};
        QTest::newRow("app, away") << app << false << Parts{true, false, false, false};
        QTest::newRow("big file, over") << big << true << Parts{false, false, true, true};
        QTest::newRow("big file, away") << big << false << Parts{false, false, false, false};
        QTest::newRow("other, over") << plain << true << Parts{false, true, true, false};
        QTest::newRow("other, away") << plain << false << Parts{true, false, false, false};
        QTest::newRow("previewable, over") << previewable << true << Parts{false, true, true, true};
        QTest::newRow("previewable, away") << previewable << false << Parts{true, false, false, false};
        // An uninstaller row never offers previews, whatever else is set.
        QTest::newRow("app with preview flag, over") << Kind{true, true, true} << true << Parts{false, true, false, false};
        QTest::newRow("add-on, over") << Kind{false, false, false, true} << true << Parts{true, false, true, false};
    }
    void partsByKindAndHover()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, hovered);
        QFETCH(Parts, parts);
        QCOMPARE(ORItemTableCellView::partsFor(kind, hovered), parts);
    }

    void rowButtonsByKind_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("preview");
        QTest::newRow("junk") << Kind{false, false, false} << true << false;
        QTest::newRow("duplicates") << Kind{true, false, false} << true << true;
        QTest::newRow("large files") << Kind{false, true, false} << true << true;
        QTest::newRow("uninstaller") << Kind{false, false, true} << false << false;
    }
    void rowButtonsByKind()
    {
        QFETCH(Kind, kind);
        QFETCH(bool, open);
        QFETCH(bool, preview);
        auto *delegate = itemDelegate(kind);
        CellTable cells(delegate, ORItemTableCellView::rowHeight);
        QSignalSpy opened(delegate, &ORItemTableCellView::openClicked);
        QSignalSpy previewed(delegate, &ORItemTableCellView::previewClicked);

        const QPoint openAt = cells.buttonCentre(1, ORItemTableCellView::OpenButton);
        const QPoint previewAt = cells.buttonCentre(1, ORItemTableCellView::PreviewButton);
        QCOMPARE(!openAt.isNull(), open);
        QCOMPARE(!previewAt.isNull(), preview);
        if (open) {
            cells.click(openAt);
            QCOMPARE(opened.count(), 1);
            QCOMPARE(opened.at(0).at(0).value<QModelIndex>().row(), 1);
        }
        if (preview) {
            cells.click(previewAt);
            QCOMPARE(previewed.count(), 1);
            QCOMPARE(previewed.at(0).at(0).value<QModelIndex>().row(), 1);
        }
        QCOMPARE(opened.count() + previewed.count(), int(open) + int(preview));
    }

    void checkButtonClicksOnlyWhenEnabled()
    {
        auto *delegate = itemDelegate({});
        CellTable cells(delegate, ORItemTableCellView::rowHeight);
        QSignalSpy checked(delegate, &ORItemTableCellView::checkClicked);
        const QPoint check = cells.buttonCentre(2, ORItemTableCellView::CheckButton);
        QVERIFY(!check.isNull());
        QVERIFY(check.x() < 40); // at the left of the row

        cells.click(check);
        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.at(0).at(0).value<QModelIndex>().row(), 2);

        cells.model.setData(cells.index(2), false, sw::CheckEnabledRole);
        QVERIFY(cells.buttonCentre(2, ORItemTableCellView::CheckButton).isNull());
        cells.click(check);
        QCOMPARE(checked.count(), 1);
    }

    // The lock badge leads the name of a row only an administrator may remove.
    void lockBadgePaintsOnlyOnRowsThatNeedAdminRights()
    {
        CellTable cells(itemDelegate({}), ORItemTableCellView::rowHeight);
        cells.model.setData(cells.index(1), true, sw::NeedsAdminRole);
        cells.table.show();
        const QImage shot = cells.table.viewport()->grab().toImage();
        const auto badgePixels = [&](int row) {
            const QRect rect = cells.table.visualRect(cells.index(row));
            int count = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = 0; x < 130; ++x) {
                    const QColor c = shot.pixelColor(x * shot.devicePixelRatio(), y * shot.devicePixelRatio());
                    count += c.red() > 200 && c.green() > 130 && c.green() < 190 && c.blue() < 80;
                }
            return count;
        };
        QCOMPARE(badgePixels(0), 0);
        QVERIFY(badgePixels(1) > 20);
    }

    void pressOnAButtonAndReleaseElsewhereClicksNothing()
    {
        auto *delegate = itemDelegate({});
        CellTable cells(delegate, ORItemTableCellView::rowHeight);
        QSignalSpy checked(delegate, &ORItemTableCellView::checkClicked);
        QSignalSpy opened(delegate, &ORItemTableCellView::openClicked);
        const QPoint check = cells.buttonCentre(0, ORItemTableCellView::CheckButton);
        const QPoint open = cells.buttonCentre(0, ORItemTableCellView::OpenButton);
        QTest::mousePress(cells.table.viewport(), Qt::LeftButton, {}, check);
        QTest::mouseRelease(cells.table.viewport(), Qt::LeftButton, {}, open);
        QCOMPARE(checked.count() + opened.count(), 0);
    }
};

QTEST_MAIN(TestORItemTableCellView)
#include "test_ORItemTableCellView.moc"
