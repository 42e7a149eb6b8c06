// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/JobRunner.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>

namespace {

// An engine of the contract that takes 2 ms per item, so a test can catch it
// in the middle of its work.
struct SlowEngine
{
    struct Data
    {
        qint64 items = 0;
    };

    qint64 itemCount = 100000;
    std::shared_ptr<Data> held;
    std::atomic<bool> working{false};
    std::atomic<bool> sawCancel{false};

    std::shared_ptr<Data> scan(sw::JobControl &job)
    {
        working = true;
        auto data = std::make_shared<Data>();
        for (; data->items < itemCount; ++data->items) {
            if (job.isCancelled()) {
                sawCancel = true;
                working = false;
                return nullptr;
            }
            job.setCurrentPath(QStringLiteral("/tree/%1").arg(data->items));
            job.addItems();
            job.addBytes(10);
            QThread::msleep(2);
        }
        held = data;
        working = false;
        return data;
    }
    sw::RemovalReport remove(sw::JobControl &job)
    {
        sw::RemovalReport report;
        for (qint64 i = 0; i < itemCount && !job.isCancelled(); ++i) {
            QThread::msleep(2);
            report.add(sw::RemovalOutcome{QStringLiteral("/tree/%1").arg(i), 10, 10, {}});
            job.addItems();
            job.addBytes(10);
        }
        return report;
    }
    std::shared_ptr<Data> result() const { return held; }
    void startOver() { held.reset(); }
};
static_assert(sw::ToolEngine<SlowEngine>);

}  // namespace

// The job runner: progress and the end come back on the main thread, Cancel
// ends a job within the engine's item, and a runner that dies first stops
// its engine.
class TestJobRunner : public QObject
{
    Q_OBJECT

private slots:
    void cancelledScanEndsSoonWithoutAResult()
    {
        SlowEngine engine;
        sw::JobRunner runner;
        QSignalSpy progress(&runner, &sw::JobRunner::progressChanged);
        QSignalSpy finished(&runner, &sw::JobRunner::scanFinished);
        bool onMainThread = true;
        connect(&runner, &sw::JobRunner::progressChanged, this,
                [&] { onMainThread = onMainThread && QThread::currentThread() == thread(); });
        QVERIFY(runner.scan(engine));
        QVERIFY(!runner.scan(engine));  // one job at a time
        QTRY_VERIFY(progress.size() >= 2);
        const QList<QVariant> last = progress.last();
        QVERIFY(last.at(0).toLongLong() > 0);
        QCOMPARE(last.at(1).toLongLong(), last.at(0).toLongLong() * 10);
        QVERIFY(last.at(2).toString().startsWith(QStringLiteral("/tree/")));
        QVERIFY(onMainThread);

        QElapsedTimer clock;
        clock.start();
        runner.cancel();
        QVERIFY(runner.isCancelling());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 1000);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QVERIFY(!engine.result());
        QVERIFY(!runner.isRunning());
        QCOMPARE(runner.progress().items, qint64(0));
    }

    void cancelledRemovalReportsWhatWent()
    {
        SlowEngine engine;
        sw::JobRunner runner;
        QSignalSpy finished(&runner, &sw::JobRunner::removalFinished);
        QVERIFY(runner.remove(engine));
        QTRY_VERIFY(runner.progress().items >= 5);
        runner.cancel();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 1000);
        const auto report = finished.first().at(0).value<sw::RemovalReport>();
        QVERIFY(finished.first().at(1).toBool());
        QVERIFY(report.outcomes().size() >= 5);
        QVERIFY(report.outcomes().size() < engine.itemCount);
        QCOMPARE(report.removedBytes(), report.outcomes().size() * 10);

        // A job that runs to its end is not cancelled.
        engine.itemCount = 3;
        QVERIFY(runner.remove(engine));
        QTRY_COMPARE(finished.size(), 2);
        QVERIFY(!finished.last().at(1).toBool());
        QCOMPARE(finished.last().at(0).value<sw::RemovalReport>().outcomes().size(), 3);
    }

    void runnerDestroyedMidScanStopsTheEngine()
    {
        SlowEngine engine;
        auto runner = std::make_unique<sw::JobRunner>();
        QVERIFY(runner->scan(engine));
        QTRY_VERIFY(runner->progress().items > 0);
        runner.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.working, 1000);
        QVERIFY(engine.sawCancel);
        QTest::qWait(50);  // the dropped end must not reach the dead runner
    }
};

QTEST_MAIN(TestJobRunner)
#include "test_JobRunner.moc"
