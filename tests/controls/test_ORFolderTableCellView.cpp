// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "CellTestSupport.h"
#include "gui/controls/ORFolderTableCellView.h"

class TestORFolderTableCellView : public QObject
{
    Q_OBJECT

private slots:
    void closeButtonNamesItsRow()
    {
        auto *delegate = new ORFolderTableCellView;
        CellTable cells(delegate, ORFolderTableCellView::rowHeight);
        QSignalSpy closed(delegate, &ORFolderTableCellView::closeClicked);
        const QPoint close = cells.buttonCentre(1, 0);
        QVERIFY(close.x() > cells.table.viewport()->width() - 40); // at the right edge

        cells.click(close);
        cells.click(cells.table.visualRect(cells.index(2)).center());

        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0).at(0).value<QModelIndex>().row(), 1);
    }
};

QTEST_MAIN(TestORFolderTableCellView)
#include "test_ORFolderTableCellView.moc"
