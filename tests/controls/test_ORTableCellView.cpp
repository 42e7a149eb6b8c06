// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "CellTestSupport.h"
#include "gui/controls/ORTableCellView.h"

class TestORTableCellView : public QObject
{
    Q_OBJECT

private slots:
    void checkClickDoesNotSelectTheRow()
    {
        auto *delegate = new ORTableCellView;
        CellTable cells(delegate, ORTableCellView::rowHeight);
        cells.table.selectRow(0);
        QSignalSpy checked(delegate, &ORTableCellView::checkClicked);

        cells.click(cells.buttonCentre(2, 0));

        QCOMPARE(checked.count(), 1);
        QCOMPARE(checked.at(0).at(0).value<QModelIndex>().row(), 2);
        QCOMPARE(cells.table.currentIndex().row(), 0);
    }

    void emptyGroupHasNoCheckButton()
    {
        auto *delegate = new ORTableCellView;
        CellTable cells(delegate, ORTableCellView::rowHeight);
        const QPoint check = cells.buttonCentre(1, 0);
        cells.model.setData(cells.index(1), QStringLiteral("or_select_null"), sw::CheckImageRole);
        cells.model.setData(cells.index(1), false, sw::CheckEnabledRole);
        QSignalSpy checked(delegate, &ORTableCellView::checkClicked);

        cells.click(check);

        QCOMPARE(checked.count(), 0);
        QCOMPARE(cells.table.currentIndex().row(), 1); // the click selects the row instead
    }

    void selectedRowIsPaintedGreen()
    {
        auto *delegate = new ORTableCellView;
        CellTable cells(delegate, ORTableCellView::rowHeight);
        cells.table.selectRow(1);
        const QRect row = cells.table.visualRect(cells.index(1));
        const QImage image = cells.table.viewport()->grab().toImage();
        QCOMPARE(image.pixelColor(row.center().x(), row.top() + 3), QColor(84, 188, 0));
    }
};

QTEST_MAIN(TestORTableCellView)
#include "test_ORTableCellView.moc"
