// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/Translations.h"
#include "core/fs/RemovalRun.h"
#include "core/shreds/ORShredOperation.h"
#include "gui/history/HistoryPage.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shreds/ORShredViewCter.h"
#include "support/FixtureTree.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"
#include "support/TreeSnapshot.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTreeWidget>

namespace {

Q_LOGGING_CATEGORY(lcTest, "sweepwright.test")

// A removal page of a tool that moves the given paths (below folder) to the
// Trash, as the large-file and duplicate finders do.
sw::RemovalPage::Tool trashingTool(const QString &folder)
{
    return {sw::LargeScanPage, sw::RemovalWording(sw::RemovalWording::Action::DeleteLargeFiles, true),
            [folder](sw::JobRunner &runner, const QVariant &paths) {
                runner.removeWith([folder, paths = paths.toStringList()](sw::JobControl &) {
                    sw::RemovalRun run(lcTest);
                    for (const QString &path : paths)
                        run.moveToTrash(folder, path, QFileInfo(path).size());
                    return run.report();
                });
            },
            [] {}};
}

}  // namespace

// The History page in the window: what the removal pages did, newest first,
// and Put Back for what went to the Trash.
class TestHistoryPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    sw::HistoryPage *openHistory()
    {
        window->clickSidebar(sw::RemovalHistoryPage);
        return window->page<sw::HistoryPage>(sw::RemovalHistoryPage);
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORShredOperation::shareInstance().startOver();
        fixture.reset();
    }

    // The shredder's page records its run; it removed for good, so the
    // history says so and offers no Put Back.
    void shreddedRunSaysDeletedForGood()
    {
        sw::HistoryPage *page = openHistory();
        QVERIFY(page->emptyField()->isVisible());
        const QString file = fixture->write(QStringLiteral("secret.txt"), QByteArray(10, 's'));
        window->clickSidebar(sw::ShredderPage);
        sw::RemovalPage::showAndStart(*window->page<ORShredViewCter>(sw::ShredderPage), sw::ShredderRemovalPage,
                                      QVariant(QStringList{file}));
        auto *del = window->page<sw::RemovalPage>(sw::ShredderRemovalPage);
        QTRY_VERIFY(del->completionBut()->isVisible());
        QVERIFY(!QFileInfo::exists(file));

        page = openHistory();
        QCOMPARE(page->runList()->topLevelItemCount(), 1);
        QCOMPARE(page->runList()->topLevelItem(0)->text(1), QStringLiteral("Shredder"));
        QCOMPARE(page->itemList()->topLevelItem(0)->text(0), file);
        QCOMPARE(page->itemList()->topLevelItem(0)->text(2), QStringLiteral("Deleted for good"));
        QVERIFY(!page->putBackBut()->isEnabled());
    }

    // Two files went to the Trash through a removal page; one's place was
    // taken since. Put Back brings the other back, leaves the new file and
    // the trashed copy alone, and shows its own run first with the reason.
    void putBackRestoresWhatItCanAndSaysWhyNot()
    {
        const QString folder = fixture->home(QStringLiteral("Videos"));
        const QString kept = fixture->write(QStringLiteral("Videos/a.mkv"), QByteArray(300, 'a'));
        const QString taken = fixture->write(QStringLiteral("Videos/b.mkv"), QByteArray(200, 'b'));
        const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(folder);
        RecordingDelegate delegate;
        sw::RemovalPage removal(&delegate, nullptr, trashingTool(folder));
        removal.startDel(QVariant(QStringList{kept, taken}));
        QTRY_VERIFY(!removal.isDeleting() && removal.completionBut()->isVisibleTo(&removal));
        QVERIFY(!QFileInfo::exists(kept) && !QFileInfo::exists(taken));
        fixture->write(QStringLiteral("Videos/b.mkv"), "new");

        sw::HistoryPage *page = openHistory();
        QCOMPARE(page->runList()->topLevelItem(0)->text(1), QStringLiteral("Large Files"));
        QCOMPARE(page->itemList()->topLevelItem(0)->text(2), QStringLiteral("Moved to the Trash"));
        QVERIFY(page->putBackBut()->isEnabled());
        QTest::mouseClick(page->putBackBut(), Qt::LeftButton);

        QCOMPARE(swtest::FixtureTree::bytesAt(kept), QByteArray(300, 'a'));
        QCOMPARE(swtest::FixtureTree::bytesAt(taken), QByteArray("new"));
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("b.mkv"))));
        QCOMPARE(before.vanished(swtest::TreeSnapshot::of(folder)), QStringList());
        QCOMPARE(page->runList()->topLevelItemCount(), 2);
        QCOMPARE(page->runList()->topLevelItem(0)->text(1), QStringLiteral("Put Back"));
        QCOMPARE(page->itemList()->topLevelItem(1)->text(2),
                 QStringLiteral("Not done: something of that name is there now"));
        QCOMPARE(page->statusField()->text(),
                 QStringLiteral("1 item put back. 1 item could not be put back; the list says why."));
    }
};

QTEST_MAIN(TestHistoryPage)
#include "test_HistoryPage.moc"
