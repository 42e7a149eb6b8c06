// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QHeaderView>
#include <QStandardItemModel>

#include "gui/controls/ExtendedTableViewDelegate.h"
#include "gui/controls/ORTableView.h"

namespace {

struct Recorder : ExtendedTableViewDelegate
{
    void tableView(ORTableView *table, qint64 row) override
    {
        tables.append(table);
        rows.append(row);
        currentRowAtReport.append(table->currentIndex().row());
    }
    QList<ORTableView *> tables;
    QList<qint64> rows;
    QList<int> currentRowAtReport;
};

} // namespace

class TestORTableView : public QObject
{
    Q_OBJECT

private:
    QStandardItemModel m_model;

private slots:
    void init()
    {
        m_model.clear();
        for (const char *name : {"caches", "logs", "trash"})
            m_model.appendRow(new QStandardItem(QString::fromLatin1(name)));
    }

    void clickIsReportedAfterTheTableHandledIt_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<QList<qint64>>("reported");
        QTest::newRow("first row") << 5 << QList<qint64>{0};
        QTest::newRow("second row") << 40 + 20 << QList<qint64>{1};
        QTest::newRow("last pixel of the last row") << 3 * 40 - 1 << QList<qint64>{2};
        QTest::newRow("below the last row reaches nobody") << 3 * 40 + 30 << QList<qint64>{};
    }
    void clickIsReportedAfterTheTableHandledIt()
    {
        QFETCH(int, y);
        QFETCH(QList<qint64>, reported);
        ORTableView table;
        table.resize(300, 400);
        table.setUniformRowHeight(40);
        table.setModel(&m_model);
        Recorder recorder;
        table.eDelegate = &recorder;

        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(50, y));

        QCOMPARE(recorder.rows, reported);
        if (!reported.isEmpty()) {
            QCOMPARE(recorder.tables.value(0), &table);
            // the table had selected the row before it told the delegate
            QCOMPARE(recorder.currentRowAtReport.value(0), int(reported.first()));
        }
    }

    void clickWithoutADelegateIsHarmless()
    {
        ORTableView table;
        table.resize(300, 400);
        table.setModel(&m_model);
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(50, 5));
        QCOMPARE(table.currentIndex().row(), 0);
    }

    void looksLikeAList()
    {
        ORTableView table;
        QVERIFY(!table.showGrid());
        QVERIFY(table.horizontalHeader()->isHidden());
        QVERIFY(table.verticalHeader()->isHidden());
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(table.hasMouseTracking()); // the row delegates need the pointer
    }
};

QTEST_MAIN(TestORTableView)
#include "test_ORTableView.moc"
