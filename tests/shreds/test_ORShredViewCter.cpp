// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/Translations.h"
#include "core/shreds/ORShredOperation.h"
#include "core/shreds/ShredNotifications.h"
#include "gui/controls/ORTableView.h"
#include "gui/shell/ConfirmSheet.h"
#include "gui/shell/RemovalDetailsDialog.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shreds/ORShredViewCter.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"
#include "support/TreeSnapshot.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QTableWidget>

namespace {

// Holds the worker that logs the failure of path until let go: a point
// between the items listed before path and those after it, which the test
// controls. The shredder logs every failure as it meets it.
class FailureGate
{
public:
    explicit FailureGate(const QString &path)
    {
        s_line = QStringLiteral("Fail to shred, error=%1: ").arg(path);
        s_previous = qInstallMessageHandler(&FailureGate::handle);
    }
    ~FailureGate()
    {
        release();
        qInstallMessageHandler(s_previous);
    }
    bool isHolding() const { return s_held.available() > 0; }
    void release()
    {
        if (!m_released)
            s_go.release();
        m_released = true;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_previous)
            s_previous(type, context, message);
        if (message.startsWith(s_line)) {
            s_held.release();
            s_go.acquire();
        }
    }

    static inline QString s_line;
    static inline QtMessageHandler s_previous = nullptr;
    static inline QSemaphore s_held{0};
    static inline QSemaphore s_go{0};
    bool m_released = false;
};

}  // namespace

// The shredder driven through the main window: drops into the list, the
// confirmation, the shredding page with the size removed and the refused
// home shown with its reason, and back to an empty list.
class TestShredTool : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    std::unique_ptr<ToolWindow> window;

    static void drop(const QStringList &paths)
    {
        ORNotificationCenter::defaultCenter().postNotification(sw::shrednote::kDropped, QVariant(paths));
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        ORShredOperation::shareInstance().startOver();
        window = std::make_unique<ToolWindow>();
        QVERIFY(window->exposed());
    }
    void cleanup()
    {
        window.reset();
        ORShredOperation::shareInstance().startOver();
        fixture.reset();
    }

    void dropsConfirmationAndARefusedHome()
    {
        const QString dir = QFileInfo(fixture->write(QStringLiteral("drop/dir/a"), QByteArray(10, 'a'))).path();
        const QString file = fixture->write(QStringLiteral("drop/file"), QByteArray(5, 'f'));
        const QString home = fixture->home(QString()).chopped(1);
        QVERIFY(window->window.buttonWithTag(sw::ShredderPage)->isEnabled());
        window->clickSidebar(sw::ShredderPage);
        auto *page = window->page<ORShredViewCter>(sw::ShredderPage);
        QVERIFY(!page->startBut()->isEnabled());
        QVERIFY(!page->overwriteBox()->isChecked());

        drop({dir});
        drop({dir});  // listed already: nothing more
        drop({home, dir, file});  // stops at the listed one: file is not taken
        QCOMPARE(page->folderArr(), (QStringList{dir, home}));
        drop({file});
        QCOMPARE(page->folderTableView()->model()->rowCount(), 3);
        QVERIFY(page->startBut()->isEnabled());

        page->startBut()->click();
        // The sheet comes once the list is measured, naming what it takes.
        QTRY_VERIFY(page->alert() && page->alert()->isVisible());
        QCOMPARE(page->alert()->text(), QStringLiteral("Shred 3 items?"));
        QCOMPARE(page->alert()->actionButton()->text(), QStringLiteral("Shred 3 items (15 B)"));
        QVERIFY(answerSheet(page->alert(), true));
        QTRY_COMPARE(window->currentPage(), qint64(sw::ShredderRemovalPage));
        auto *del = window->page<sw::RemovalPage>(sw::ShredderRemovalPage);
        QTRY_VERIFY(del->completionBut()->isVisible());
        QVERIFY(window->sidebarEnabled());
        QCOMPARE(del->sizeDelField()->text() + del->removeUnitField()->text(), QStringLiteral("15B"));
        QVERIFY(!fixture->homeHas(QStringLiteral("drop/dir")) && !fixture->homeHas(QStringLiteral("drop/file")));
        QVERIFY(QFileInfo::exists(home));
        QCOMPARE(del->captionField()->text(), QStringLiteral("Some items could not be shredded"));
        QCOMPARE(del->countField()->text(), QStringLiteral("2 items shredded"));
        QCOMPARE(del->failureField()->text(), QStringLiteral("1 item was refused"));
        QVERIFY(del->failureDetailField()->isVisible());
        QVERIFY(del->failureDetailField()->text().startsWith(home + QStringLiteral(" — Refused: it is the home folder")));
        del->detailsBut()->click();
        QCOMPARE(del->detailsDialog()->table()->rowCount(), 3);
        QVERIFY(del->detailsDialog()->table()->item(0, 1)->text().startsWith(QStringLiteral("Refused: ")));
        del->detailsDialog()->close();

        del->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::ShredderPage));
        QVERIFY(page->folderArr().isEmpty());
        QVERIFY(!page->startBut()->isEnabled());
        QVERIFY(!ORShredOperation::shareInstance().folders());
    }

    // Regression: a run that only met refused items showed a green
    // "Removed 0 B", as if it had done its job.
    void onlyRefusedItemsShowNoRemovedSize()
    {
        const QString home = fixture->home(QString()).chopped(1);
        window->clickSidebar(sw::ShredderPage);
        auto *page = window->page<ORShredViewCter>(sw::ShredderPage);
        drop({home, QStringLiteral("/")});
        page->startBut()->click();
        QTRY_VERIFY(page->alert());
        QVERIFY(answerSheet(page->alert(), true));
        auto *del = window->page<sw::RemovalPage>(sw::ShredderRemovalPage);
        QTRY_VERIFY(del->completionBut()->isVisible());
        QVERIFY(QFileInfo::exists(home));
        QVERIFY(!del->sizeDelField()->isVisible());
        QCOMPARE(del->captionField()->text(), QStringLiteral("Nothing was shredded"));
        QCOMPARE(del->failureField()->text(), QStringLiteral("2 items were refused"));
        QVERIFY(!del->failureDetailField()->isVisible());
        QVERIFY(del->detailsBut()->isVisible());
    }

    // Cancel while the shred is on an item (held there, at the refused home)
    // lets that item end and touches nothing after it: the folder listed
    // before went, with the link inside it but not what the link leads to;
    // the file listed after stays; the page says it stopped and counts
    // exactly what went.
    void cancelStopsBetweenItemsAndSaysWhatWent()
    {
        const QString dir = QFileInfo(fixture->write(QStringLiteral("drop/dir/a"), QByteArray(10, 'a'))).path();
        const QString target = fixture->write(QStringLiteral("keep/target"), QByteArray(7, 't'));
        QVERIFY(QFile::link(target, dir + QStringLiteral("/link")));
        const QString later = fixture->write(QStringLiteral("drop/later"), QByteArray(5, 'l'));
        const QString home = fixture->home(QString()).chopped(1);
        const swtest::TreeSnapshot before = swtest::TreeSnapshot::of(home);
        window->clickSidebar(sw::ShredderPage);
        auto *page = window->page<ORShredViewCter>(sw::ShredderPage);
        drop({dir, home, later});
        page->startBut()->click();
        QTRY_VERIFY(page->alert() && page->alert()->isVisible());

        FailureGate gate(home);
        QVERIFY(answerSheet(page->alert(), true));
        auto *del = window->page<sw::RemovalPage>(sw::ShredderRemovalPage);
        QTRY_VERIFY(gate.isHolding());
        QCOMPARE(window->currentPage(), qint64(sw::ShredderRemovalPage));
        QVERIFY(del->cancelBut()->isVisible() && !window->sidebarEnabled());
        del->cancelBut()->click();
        QVERIFY(!del->cancelBut()->isEnabled());
        gate.release();
        QTRY_VERIFY(del->completionBut()->isVisible());

        const swtest::TreeSnapshot after = swtest::TreeSnapshot::of(home);
        QCOMPARE(before.vanished(after), (QStringList{dir, dir + QStringLiteral("/a"), dir + QStringLiteral("/link")}));
        QVERIFY(before.changed(after).isEmpty());
        QCOMPARE(del->captionField()->text(), QStringLiteral("Stopped: the rest was left as it was"));
        QCOMPARE(del->countField()->text(), QStringLiteral("1 item shredded"));
        QCOMPARE(del->sizeDelField()->text() + del->removeUnitField()->text(),
                 QStringLiteral("%1B").arg(before.bytesGone(after, {dir})));
        QCOMPARE(del->failureField()->text(), QStringLiteral("1 item was refused"));
        QCOMPARE(removedInDetails(del, 2), QStringList{QStringLiteral("drop/dir")});
        QVERIFY(window->sidebarEnabled());
    }
};

QTEST_MAIN(TestShredTool)
#include "test_ORShredViewCter.moc"
