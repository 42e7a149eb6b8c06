// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/KeepList.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/junk/JunkGroupModel.h"
#include "gui/junk/JunkItemModel.h"
#include "gui/junk/ORJunksResultViewCter.h"
#include "gui/shell/ORBasedViewCterDelegate.h"
#include "support/JunkFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

namespace {

// Records what the page asks of its window.
struct RecordingDelegate : ORBasedViewCterDelegate
{
    QList<qint64> pages;
    void next(qint64 page) override { pages.append(page); }
    void butEnable(bool) override {}
    ORBaseViewCter *pageController(qint64) override { return nullptr; }
};

}  // namespace

// The junk result page's selection: item and group check boxes, select all,
// the selected size, the delete button and the search field.
class TestORJunksResultViewCter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<JunkFixture> fixture;
    RecordingDelegate delegate;
    std::unique_ptr<ORJunksResultViewCter> page;

    QString selectedText() const
    {
        return page->selectedSizeField()->text() + QLatin1Char(' ') + page->selectedUnitField()->text();
    }
    int rowOfGroup(qint64 groupID) const
    {
        for (int row = 0; row < page->groupModel()->rowCount(); ++row)
            if (page->groupModel()->group(row)->groupID == groupID)
                return row;
        return -1;
    }
    // Scans again, after the test changed the fixture, and shows the new result.
    void rescan() const
    {
        ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
        engine.startOver();
        engine.junkData();
        page->viewWillAppear();
        page->viewDidAppear();
    }
    QString groupImage(int row) const
    {
        return page->groupModel()->data(page->groupModel()->index(row), sw::CheckImageRole).toString();
    }
    static QString size(qint64 bytes) { return ORUtility::sizeFormatWithNumber(bytes); }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        fixture = std::make_unique<JunkFixture>();
        fixture->write(QStringLiteral("home/.cache/zeta.log"), 100);
        ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
        engine.startOver();
        engine.junkData();
        page = std::make_unique<ORJunksResultViewCter>(&delegate);
        page->resize(900, 600);
        page->show();
        page->viewWillAppear();
        page->viewDidAppear();
    }
    void cleanup()
    {
        page.reset();
        ORJunkFilesCollection::shareInstance().startOver();
        fixture.reset();
    }

    // What the user keeps starts unticked: the Trash, which the other tools
    // fill, and the Downloads folder.
    void showsTheCachesSelectedAndTheTrashAndDownloadsUnticked()
    {
        QCOMPARE(page->autoSelectButton()->text(), QStringLiteral("Deselect"));
        QCOMPARE(selectedText(), size(3000 + 5000 + 100));
        QVERIFY(page->delBut()->isEnabled());
        QCOMPARE(groupImage(rowOfGroup(0)), QStringLiteral("or_select_all"));
        QCOMPARE(groupImage(rowOfGroup(6)), QStringLiteral("or_select_off"));
        QCOMPARE(groupImage(rowOfGroup(8)), QStringLiteral("or_select_off"));
    }

    void emptyCategoryIsNotCheckableAndShowsTheEmptyPanel()
    {
        const int row = rowOfGroup(2);  // /var/cache of the fixture is empty
        QVERIFY(row >= 0);
        QCOMPARE(groupImage(row), QStringLiteral("or_select_null"));
        QVERIFY(!page->groupModel()->data(page->groupModel()->index(row), sw::CheckEnabledRole).toBool());
        page->tableView(page->gTableView(), row);
        QVERIFY(page->itemNoView()->isVisible());
        page->groupButtonClick(row);
        QCOMPARE(groupImage(row), QStringLiteral("or_select_null"));
    }

    void itemClicksMoveTheGroupThroughItsThreeStates()
    {
        const int row = rowOfGroup(0);
        page->tableView(page->gTableView(), row);
        ORJunkResultItemObject *items = page->itemObject();
        QCOMPARE(items->model()->rowCount(), 3);
        items->clickCheckBox(0);
        QCOMPARE(groupImage(row), QStringLiteral("or_select_part"));
        items->clickCheckBox(1);
        items->clickCheckBox(2);
        QCOMPARE(groupImage(row), QStringLiteral("or_select_off"));
        QCOMPARE(page->groupModel()->group(row)->groupSelectedSize, 0);
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        items->clickCheckBox(1);
        items->clickCheckBox(0);
        items->clickCheckBox(2);
        QCOMPARE(groupImage(row), QStringLiteral("or_select_all"));
        QCOMPARE(page->groupModel()->group(row)->groupSelectedSize, page->groupModel()->group(row)->groupSize);
    }

    void deleteButtonFollowsTheSelectedSize()
    {
        page->autoSelectAction();
        QCOMPARE(page->autoSelectButton()->text(), QStringLiteral("Select"));
        QCOMPARE(selectedText(), QStringLiteral("0 B"));
        QVERIFY(!page->delBut()->isEnabled());
        page->groupButtonClick(rowOfGroup(6));
        QCOMPARE(selectedText(), QStringLiteral("740 B"));
        QVERIFY(page->delBut()->isEnabled());
        page->autoSelectAction();  // select all after a partial selection
        QCOMPARE(selectedText(), size(3000 + 5000 + 100 + 740 + 9000));
        for (int row = 0; row < page->groupModel()->rowCount(); ++row) {
            const ORJunkDataGroup *group = page->groupModel()->group(row);
            QCOMPARE(group->groupSelectedSize, group->groupSize);
        }
    }

    // The menu key on a row offers it; the item leaves the shown result (and
    // what Delete takes), the list keeps it, and the next scan leaves it out.
    void neverTouchThisKeepsTheItemOutOfThisResultAndTheNext()
    {
        const int row = rowOfGroup(0);
        page->tableView(page->gTableView(), row);
        ORJunkResultItemObject *items = page->itemObject();
        items->searchField()->setText(QStringLiteral("APP-"));
        const QString kept = items->model()->data(items->model()->index(0), sw::PathRole).toString();
        const qint64 keptSize = items->dataGroup()->groupItems.at(items->model()->itemIndex(0)).itemSize;
        const qint64 total = ORJunkFilesCollection::shareInstance().tempJunkData()->junkTotalSize;
        items->itemTableView()->setCurrentIndex(items->model()->index(0));
        QTimer::singleShot(0, [] {
            QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->actions().value(0)->text(), QStringLiteral("Never Touch This"));
            menu->actions().value(0)->trigger();
            menu->close();
        });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(-1, -1), QPoint(-1, -1));
        QApplication::sendEvent(items->itemTableView()->viewport(), &key);
        QCOMPARE(sw::KeepList::stored(), QStringList{kept});
        QCOMPARE(items->model()->rowCount(), 1);  // the search still applies
        QCOMPARE(items->dataGroup()->groupItems.size(), 2);
        QCOMPARE(ORJunkFilesCollection::shareInstance().tempJunkData()->junkTotalSize, total - keptSize);
        QCOMPARE(selectedText(), size(3000 + 5000 - keptSize));  // zeta.log stays hidden by the search
        rescan();
        page->tableView(page->gTableView(), rowOfGroup(0));
        for (const ORjunkDataItem &item : page->itemObject()->dataGroup()->groupItems)
            QVERIFY(item.itemPath != kept);
    }

    void searchListsMatchingItemsAndHidesTheOthers()
    {
        page->tableView(page->gTableView(), rowOfGroup(0));
        ORJunkResultItemObject *items = page->itemObject();
        items->searchField()->setText(QStringLiteral("APP-"));
        QCOMPARE(items->model()->rowCount(), 2);
        const ORJunkDataGroup *group = items->dataGroup();
        for (const ORjunkDataItem &item : group->groupItems)
            QCOMPARE(item.isVisible, item.itemPath.contains(QLatin1String("app-")));
        // What the search hides is neither selected nor on the sheet.
        QCOMPARE(selectedText(), size(3000 + 5000));
        page->delButton();
        QCOMPARE(page->alert()->text(), QStringLiteral("Delete junk files?"));
        QCOMPARE(page->alert()->actionButton()->text(), QStringLiteral("Delete 2 items (%1)").arg(size(8000)));
        page->alert()->reject();
        items->searchField()->clear();
        QCOMPARE(items->model()->rowCount(), 3);
        QCOMPARE(selectedText(), size(3000 + 5000 + 100));
    }

    // The application caches list ~/.cache/mozilla whole, the browser
    // category its cache2 inside: the 4000 bytes are selected once, whichever
    // group is ticked, while each group shows what it found.
    void selectedSizeCountsOverlappingItemsOnce()
    {
        fixture->write(QStringLiteral("home/.cache/mozilla/firefox/ab.default/cache2/E1"), 4000);
        rescan();
        const int browser = rowOfGroup(7);
        QCOMPARE(page->groupModel()->group(browser)->groupSize, 4000);
        // Folder sizes differ between file systems: take the whole from the
        // groups, less the bytes listed twice.
        qint64 listed = 0;
        for (int row = 0; row < page->groupModel()->rowCount(); ++row)
            listed += page->groupModel()->group(row)->groupSize;
        const QString once = size(listed - 4000 - 9000 - 740);  // the Trash and Downloads start unticked
        QCOMPARE(selectedText(), once);
        page->groupButtonClick(browser);
        QCOMPARE(selectedText(), once);  // the cache folder still takes them
        page->groupButtonClick(rowOfGroup(0));
        page->groupButtonClick(browser);
        QCOMPARE(selectedText(), size(4000));
    }

    // An item only an administrator may remove wears the lock and says so;
    // the others keep their path as tooltip.
    void itemNeedingAdminRightsSaysSo()
    {
        const int row = rowOfGroup(0);
        page->groupModel()->group(row)->groupItems[1].needsAdmin = true;
        page->tableView(page->gTableView(), row);
        const QAbstractItemModel *items = page->itemObject()->model();
        const QModelIndex locked = items->index(1, 0);
        QVERIFY(items->data(locked, sw::NeedsAdminRole).toBool());
        QCOMPARE(items->data(locked, Qt::ToolTipRole).toString(),
                 items->data(locked, sw::PathRole).toString() + QStringLiteral("\nNeeds administrator rights"));
        const QModelIndex plain = items->index(0, 0);
        QVERIFY(!items->data(plain, sw::NeedsAdminRole).toBool());
        QCOMPARE(items->data(plain, Qt::ToolTipRole).toString(), items->data(plain, sw::PathRole).toString());
    }

    void startOverForgetsTheResult()
    {
        page->startOverBut()->click();
        QCOMPARE(delegate.pages.constLast(), qint64(sw::JunkScanPage));
        QVERIFY(!ORJunkFilesCollection::shareInstance().tempJunkData());
    }
};

QTEST_MAIN(TestORJunksResultViewCter)
#include "test_ORJunksResultViewCter.moc"
