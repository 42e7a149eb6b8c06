// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessibleActionInterface>
#include <QtTest>

#include "CellTestSupport.h"
#include "gui/controls/ORItemTableCellView.h"
#include "gui/controls/ORTableCellView.h"

// The rows of the result lists as a screen reader meets them: the check
// image told as a check box's state, the buttons drawn in a row as its
// actions, and each action doing what the click on its button does.
class TestAccessibleRow : public QObject
{
    Q_OBJECT

private:
    static QAccessibleInterface *row(CellTable &cells, int row)
    {
        return QAccessible::queryAccessibleInterface(&cells.table)->child(row);
    }

private slots:
    void checkImageIsTheCheckBoxState_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("mixed");
        QTest::newRow("all items ticked") << "or_select_all" << true << true << false;
        QTest::newRow("some items ticked") << "or_select_part" << true << false << true;
        QTest::newRow("none ticked") << "or_select_off" << true << false << false;
        QTest::newRow("cannot be ticked") << "or_select_null" << false << false << false;
    }
    void checkImageIsTheCheckBoxState()
    {
        QFETCH(QString, image);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(bool, mixed);
        CellTable cells(new ORTableCellView, ORTableCellView::rowHeight);
        cells.model.setData(cells.index(1), image, sw::CheckImageRole);
        cells.model.setData(cells.index(1), enabled, sw::CheckEnabledRole);
        cells.model.setData(cells.index(1), QStringLiteral("Caches"), Qt::DisplayRole);
        cells.table.show();
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(&cells.table);
        QCOMPARE(list->childCount(), 3);
        QAccessibleInterface *second = row(cells, 1);
        QCOMPARE(second->role(), QAccessible::CheckBox);
        QCOMPARE(second->text(QAccessible::Name), QStringLiteral("Caches"));
        QVERIFY(second->text(QAccessible::Description).contains(QStringLiteral("1.00 MB")));
        QCOMPARE(bool(second->state().checkable), true);
        QCOMPARE(bool(second->state().checked), checked);
        QCOMPARE(bool(second->state().checkStateMixed), mixed);
        QCOMPARE(bool(second->state().disabled), !enabled);
        QCOMPARE(list->indexOfChild(second), 1);
        QCOMPARE(list->childAt(second->rect().center().x(), second->rect().center().y()), second);
        QCOMPARE(second->parent(), list);
    }

    // A heading over items is read as one, and a row without a check image
    // is a plain list item.
    void headingsAndPlainRows()
    {
        CellTable cells(new ORItemTableCellView, ORItemTableCellView::rowHeight);
        cells.model.setData(cells.index(0), true, sw::SectionRole);
        cells.model.setData(cells.index(2), QString(), sw::CheckImageRole);
        QCOMPARE(row(cells, 0)->role(), QAccessible::Heading);
        QCOMPARE(row(cells, 2)->role(), QAccessible::ListItem);
        QVERIFY(!row(cells, 2)->state().checkable);
    }

    // A group row's actions: choosing it (it is selectable) and its check box.
    void toggleClicksTheCheckBoxOfItsRow()
    {
        auto *delegate = new ORTableCellView;
        CellTable cells(delegate, ORTableCellView::rowHeight);
        cells.table.show();
        QSignalSpy checks(delegate, &ORTableCellView::checkClicked);
        QAccessibleActionInterface *actions = row(cells, 2)->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), (QStringList{QAccessibleActionInterface::pressAction(),
                                                      QAccessibleActionInterface::toggleAction()}));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(checks.size(), 1);
        QCOMPARE(checks.at(0).at(0).toModelIndex().row(), 2);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(cells.table.currentIndex().row(), 2);
        // A row that cannot be ticked offers no toggle.
        cells.model.setData(cells.index(2), false, sw::CheckEnabledRole);
        QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    }

    // An item row's reveal and preview buttons show only under the pointer;
    // a screen reader has them as actions all the time.
    void itemButtonsAreActions()
    {
        auto *delegate = new ORItemTableCellView;
        delegate->isBigFile = true;
        CellTable cells(delegate, ORItemTableCellView::rowHeight);
        cells.table.setSelectionMode(QAbstractItemView::NoSelection);
        cells.table.show();
        QSignalSpy opened(delegate, &ORItemTableCellView::openClicked);
        QSignalSpy previewed(delegate, &ORItemTableCellView::previewClicked);
        QAccessibleActionInterface *actions = row(cells, 1)->actionInterface();
        const QStringList names = actions->actionNames();
        QCOMPARE(names.size(), 3);
        QCOMPARE(names.at(0), QAccessibleActionInterface::toggleAction());
        actions->doAction(names.at(1));
        actions->doAction(names.at(2));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(previewed.size(), 1);
        QCOMPARE(previewed.at(0).at(0).toModelIndex().row(), 1);
    }

    // Rows the model no longer has are gone, and new ones are there.
    void rowsFollowTheModel()
    {
        CellTable cells(new ORTableCellView, ORTableCellView::rowHeight);
        QAccessibleInterface *last = row(cells, 2);
        cells.model.removeRow(2);
        QVERIFY(!last->isValid());
        QCOMPARE(QAccessible::queryAccessibleInterface(&cells.table)->childCount(), 2);
        cells.model.appendRow(new QStandardItem(QStringLiteral("new")));
        QVERIFY(last->isValid());
        QCOMPARE(last->text(QAccessible::Name), QStringLiteral("new"));
    }
};

QTEST_MAIN(TestAccessibleRow)
#include "test_AccessibleRow.moc"
