// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupCopyLimit.h"
#include "core/foundation/ORSelection.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "GeneratedTree.h"
#include "gui/bigs/ORBigDelViewCter.h"
#include "gui/controls/ORProgressView.h"
#include "gui/dups/ORDupDelViewCter.h"
#include "gui/junk/ORJunkDelViewCter.h"
#include "gui/shell/RemovalDetailsDialog.h"
#include "support/JunkFixture.h"
#include "support/PageFixture.h"
#include "ToolEngines.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

namespace {

// An engine that hands out the reports it was given, one per removal.
struct ReportEngine
{
    struct Data
    {
    };
    QList<sw::RemovalReport> reports;

    std::shared_ptr<Data> scan(sw::JobControl &) { return nullptr; }
    sw::RemovalReport remove(sw::JobControl &) { return reports.takeFirst(); }
    std::shared_ptr<Data> result() const { return nullptr; }
    void startOver() {}
};

}  // namespace

// The removal pages: once started, they lock the sidebar
// while the engine removes the selection, show the size removed and what
// stayed (with its Details), and lead back to the scan page.
class TestRemovalPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    RecordingDelegate delegate;

    // Scans, selects what is to go and makes the tool's removal page.
    std::unique_ptr<sw::RemovalPage> prepare(const QString &tool)
    {
        if (tool == QLatin1String("large files")) {
            fixture->sparse(QStringLiteral("Documents/old.iso"), 40 * PageFixture::MiB);
            ToolEngines::scan<ORBigDataCollection>();
            sw::selection::setGroupMarked(ORBigDataCollection::shareInstance().tempBigData()->bigGroups[0], true);
            return std::make_unique<ORBigDelViewCter>(&delegate);
        }
        const QByteArray song = PageFixture::randomBytes(20000);
        fixture->write(QStringLiteral("Music/old.iso"), song);
        fixture->write(QStringLiteral("Documents/old.iso"), song);
        ToolEngines::scan<ORDupDataCollection>();
        sw::DupCopyLimit::groupButtonClick(ORDupDataCollection::shareInstance().tempDupData()->dupGroups[0]);
        return std::make_unique<ORDupDelViewCter>(&delegate);
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        delegate = RecordingDelegate();
    }
    void cleanup()
    {
        ORJunkFilesCollection::shareInstance().startOver();
        ToolEngines::startOverBoth();
        fixture.reset();
    }

    void removesBehindALockedSidebarAndLeadsBack_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("freed");
        QTest::addColumn<qint64>("scanPage");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QString>("kept");
        QTest::newRow("large files") << QStringLiteral("large files")
                                     << ORUtility::sizeFormatWithNumber(40 * PageFixture::MiB) << qint64(17) << QStringLiteral("Documents/old.iso")
                                     << QString();
        // The copy found first stays.
        QTest::newRow("duplicates") << QStringLiteral("duplicates")
                                    << ORUtility::sizeFormatWithNumber(20000) << qint64(13) << QStringLiteral("Music/old.iso")
                                    << QStringLiteral("Documents/old.iso");
    }
    void removesBehindALockedSidebarAndLeadsBack()
    {
        QFETCH(QString, tool);
        QFETCH(QString, freed);
        QFETCH(qint64, scanPage);
        QFETCH(QString, moved);
        QFETCH(QString, kept);
        std::unique_ptr<sw::RemovalPage> page = prepare(tool);
        page->show();
        page->viewWillAppear();
        QVERIFY(!page->completionBut()->isVisible());
        QVERIFY(!page->removeSizeView()->isVisible());

        page->startDel();
        QVERIFY(page->isDeleting());
        QVERIFY(!delegate.sidebarEnabled);
        QCOMPARE(page->circleView()->title(), QStringLiteral("Moving to the Trash"));
        QTRY_VERIFY(page->completionBut()->isVisible());
        QVERIFY(delegate.sidebarEnabled);
        QCOMPARE(page->sizeDelField()->text() + QLatin1Char(' ') + page->removeUnitField()->text(), freed);
        QVERIFY(page->captionField()->text().endsWith(QStringLiteral(" moved to the Trash")));
        QCOMPARE(page->countField()->text(), QStringLiteral("1 item moved to the Trash"));
        QVERIFY(!page->failureField()->isVisible());
        QVERIFY(page->detailsBut()->isVisible());
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("old.iso"))));
        QVERIFY(!fixture->homeHas(moved));
        QVERIFY(kept.isEmpty() || fixture->homeHas(kept));

        page->completionBut()->click();
        QCOMPARE(delegate.pages, QList<qint64>{scanPage});
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
    }

    // A junk item gone between scan and removal is named with its full path
    // and reason; the rest goes and is counted.
    void junkRemovalThatLeftAnItemSaysWhichAndWhy()
    {
        JunkFixture junk;
        ORJunkFilesCollection::shareInstance().startOver();
        // The Trash and Downloads start unticked on Linux: the user ticks them.
        for (ORJunkDataGroup &group : ORJunkFilesCollection::shareInstance().junkData()->junkGroups)
            if (group.groupID == sw::junk::Downloads || group.groupID == sw::junk::Trash)
                sw::selection::setGroupMarked(group, true);
        const QString vanished = junk.path(QStringLiteral("home/Downloads/setup.iso"));
        QVERIFY(QFile::remove(vanished));
        ORJunkDelViewCter page(&delegate);
        page.show();
        page.startDel();
        QTRY_VERIFY(page.completionBut()->isVisible());

        QCOMPARE(page.captionField()->text(), QStringLiteral("Some items could not be deleted"));
        QCOMPARE(page.sizeDelField()->text() + QLatin1Char(' ') + page.removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(3000 + 5000 + 700 + 40));  // the Trash item and its info file
        QCOMPARE(page.countField()->text(), QStringLiteral("3 items deleted"));
        QVERIFY(page.failureField()->isVisible());
        QCOMPARE(page.failureField()->text(),
                 QStringLiteral("1 item could not be deleted (%1)").arg(ORUtility::sizeFormatWithNumber(9000)));
        page.detailsBut()->click();
        sw::RemovalDetailsDialog *details = page.detailsDialog();
        QVERIFY(details && details->isVisible());
        QCOMPARE(details->windowModality(), Qt::WindowModal);
        QCOMPARE(details->table()->rowCount(), 4);  // what stayed first, then what went
        QCOMPARE(details->table()->item(0, 0)->text(), vanished);
        QCOMPARE(details->table()->item(0, 1)->text(), QString::fromLocal8Bit(std::strerror(ENOENT)));
        QVERIFY(details->table()->item(1, 1)->text().startsWith(QStringLiteral("Deleted (")));
    }

    // What the count line and the Details list make of a report: items, not
    // failures, are counted; what stays of a partly removed item is summed;
    // every failure is listed and can be copied; a clean removal after it
    // shows no trace of the earlier one.
    void detailsListEveryFailureAndGoWithTheKeyboard()
    {
        sw::RemovalReport failed;
        failed.add({QStringLiteral("/h/.cache/a"), 1000, 1000, {}});
        failed.add({QStringLiteral("/h/.cache/b"), 5000, 2000,
                    {{QStringLiteral("/h/.cache/b/x"), QStringLiteral("Permission denied")},
                     {QStringLiteral("/h/.cache/b/y"), QStringLiteral("Operation not permitted")}}});
        failed.add({QStringLiteral("/h/.cache/c"), 3000, 0, {{QStringLiteral("/h/.cache/c"), QStringLiteral("gone")}}});
        sw::RemovalReport clean;
        clean.add({QStringLiteral("/h/.cache/d"), 10, 10, {}});
        ReportEngine engine{{failed, clean}};
        sw::RemovalPage page(&delegate, nullptr,
                             {sw::JunkScanPage,
                              sw::RemovalWording(sw::RemovalWording::Action::DeleteJunk, false),
                              [&engine](sw::JobRunner &runner, const QVariant &) { runner.remove(engine); }, [] {}});
        page.show();
        page.startDel();
        QTRY_VERIFY(page.completionBut()->isVisible());
        QCOMPARE(page.captionField()->text(), QStringLiteral("Some items could not be deleted"));
        QCOMPARE(page.failureField()->text(),
                 QStringLiteral("2 items could not be deleted (%1)").arg(ORUtility::sizeFormatWithNumber(6000)));

        page.detailsBut()->click();
        sw::RemovalDetailsDialog *details = page.detailsDialog();
        QCOMPARE(details->table()->rowCount(), 4);
        QCOMPARE(details->table()->item(2, 0)->text(), QStringLiteral("/h/.cache/c"));
        QCOMPARE(details->table()->item(3, 0)->text(), QStringLiteral("/h/.cache/a"));
        QCOMPARE(details->table()->item(3, 1)->text(), QStringLiteral("Deleted (1 kB)"));
        details->table()->selectRow(1);
        QTest::keySequence(details->table(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("/h/.cache/b/y\tOperation not permitted"));
        // The dialog's own focus: offscreen, no window is ever made active.
        QCOMPARE(details->focusWidget(), details->table());
        QTest::keyClick(details->table(), Qt::Key_Tab);
        QCOMPARE(details->focusWidget(), details->closeBut());
        QTest::keyClick(details->closeBut(), Qt::Key_Escape);
        QTRY_VERIFY(!page.detailsDialog());

        page.startDel();
        QTRY_VERIFY(page.completionBut()->isVisible());
        QCOMPARE(page.captionField()->text(), QStringLiteral("Junk files deleted"));
        QVERIFY(!page.failureField()->isVisible());
    }

    // Cancel stops a huge removal after the item at hand, long before its
    // end, and the page shows what went.
    void cancelInAHugeRemovalStopsItAndShowsWhatWent()
    {
        const QString tree = fixture->home(QStringLiteral("Documents/tree"));
        QVERIFY(generateTree(tree, 100, 1000, 32 * PageFixture::MiB));
        ORBigDataCollection &engine = ORBigDataCollection::shareInstance();
        ToolEngines::scan<ORBigDataCollection>();
        QCOMPARE(engine.result()->bigGroups.value(0).groupItems.size(), 100000);
        sw::selection::setGroupMarked(engine.result()->bigGroups[0], true);
        ORBigDelViewCter page(&delegate);
        page.show();
        page.startDel();
        QTRY_VERIFY(page.runner()->progress().items >= 100);
        QTRY_VERIFY(page.progressField()->text().contains(QStringLiteral("items moved to the Trash, ")));

        page.cancelBut()->click();
        QTRY_VERIFY_WITH_TIMEOUT(page.completionBut()->isVisible(), 20000);
        QVERIFY(delegate.sidebarEnabled);
        QCOMPARE(page.captionField()->text(), QStringLiteral("Stopped: the rest was left as it was"));
        const qint64 moved = QDir(fixture->home(QStringLiteral(".local/share/Trash/files"))).count() - 2;
        QVERIFY(moved >= 100 && moved < 100000);
        QCOMPARE(engine.removalReport().outcomes().size(), moved);
        QCOMPARE(page.sizeDelField()->text() + QLatin1Char(' ') + page.removeUnitField()->text(),
                 ORUtility::sizeFormatWithNumber(moved * 32 * PageFixture::MiB));
        QVERIFY(QFileInfo::exists(tree + QStringLiteral("/d99/f999")));
    }

    void trashIsMadeInAHomeWithoutDataFolder()
    {
        QVERIFY(!QFileInfo::exists(fixture->home(QStringLiteral(".local"))));
        std::unique_ptr<sw::RemovalPage> page = prepare(QStringLiteral("large files"));
        page->show();
        page->startDel();
        QTRY_VERIFY(page->completionBut()->isVisible());
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("old.iso"))));
        QVERIFY(QFileInfo::exists(fixture->home(QStringLiteral(".local/share/Trash/info/old.iso.trashinfo"))));
        QVERIFY(!QFileInfo::exists(QDir::currentPath() + QStringLiteral("/files/old.iso")));
    }
};

QTEST_MAIN(TestRemovalPage)
#include "test_RemovalPage.moc"
