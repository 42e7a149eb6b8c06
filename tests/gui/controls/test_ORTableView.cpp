#include <QtTest>

#include <QHeaderView>
#include <QStandardItemModel>

#include "ExtendedTableViewDelegate.h"
#include "ORTableView.h"

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

    void clickOnARowIsReportedAfterTheTableHandledIt()
    {
        ORTableView table;
        table.resize(300, 400);
        table.setUniformRowHeight(40);
        table.setModel(&m_model);
        Recorder recorder;
        table.eDelegate = &recorder;

        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(50, 40 + 20));

        QCOMPARE(recorder.rows, QList<qint64>{1});
        QCOMPARE(recorder.tables.value(0), &table);
        QCOMPARE(recorder.currentRowAtReport.value(0), 1); // the selection came first
        QCOMPARE(table.selectionModel()->selectedRows().size(), 1);
    }

    void clickBelowTheLastRowReachesNobody()
    {
        ORTableView table;
        table.resize(300, 400);
        table.setUniformRowHeight(40);
        table.setModel(&m_model);
        Recorder recorder;
        table.eDelegate = &recorder;

        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(50, 3 * 40 + 30));

        QVERIFY(recorder.rows.isEmpty());
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
