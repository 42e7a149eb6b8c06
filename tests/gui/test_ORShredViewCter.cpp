#include "ORNotificationCenter.h"
#include "ORShredDelViewCter.h"
#include "ORShredOperation.h"
#include "ORShredViewCter.h"
#include "ORTableView.h"
#include "PageFixture.h"
#include "ShredNotifications.h"
#include "ToolWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

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
        QVERIFY(answerSheet(page->alert(), QStringLiteral("Yes")));
        QTRY_COMPARE(window->currentPage(), qint64(sw::ShredderRemovalPage));
        auto *del = window->page<ORShredDelViewCter>(sw::ShredderRemovalPage);
        QTRY_VERIFY(del->completionBut()->isVisible());
        QVERIFY(window->sidebarEnabled());
        QCOMPARE(del->sizeDelField()->text() + del->removeUnitField()->text(), QStringLiteral("15B"));
        QVERIFY(!fixture->homeHas(QStringLiteral("drop/dir")) && !fixture->homeHas(QStringLiteral("drop/file")));
        QVERIFY(QFileInfo::exists(home));
        QVERIFY(del->failureList()->isVisible());
        QCOMPARE(del->failureList()->count(), 1);
        QVERIFY(del->failureList()->item(0)->text().startsWith(home + QStringLiteral(" — ")));

        del->completionBut()->click();
        QCOMPARE(window->currentPage(), qint64(sw::ShredderPage));
        QVERIFY(page->folderArr().isEmpty());
        QVERIFY(!page->startBut()->isEnabled());
        QVERIFY(!ORShredOperation::shareInstance().folders());
    }
};

QTEST_MAIN(TestShredTool)
#include "test_ORShredViewCter.moc"
