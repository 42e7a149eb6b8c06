// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/DupResultJson.h"
#include "core/dups/EmptyFinder.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORFolderTableCellView.h"
#include "gui/controls/ORTableView.h"
#include "gui/dups/KeepOneCopy.h"
#include "gui/dups/ORDupResultViewCter.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/ResultBottomBar.h"
#include "gui/shell/SegmentedControl.h"
#include "support/PageFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The duplicate scan page's own settings: the quick scan, kept in the settings
// and handed to the engine with each scan, the mode, and saved results
// opened again.
class TestORDupViewCter : public QObject
{
    Q_OBJECT

private slots:
    void quickScanIsASettingHandedToTheEngine()
    {
        PageFixture fixture;
        RecordingDelegate delegate;
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        auto page = std::make_unique<ORDupViewCter>(&delegate);
        QVERIFY(!page->quickScanBox()->isChecked());
        QCOMPARE(page->sizeNote()->text(), QStringLiteral("Files of %1 and less are not compared.")
                                                .arg(ORUtility::sizeFormatWithNumber(16 * 1024)));
        page->quickScanBox()->setChecked(true);
        QVERIFY(ORPrefConfig::boolForKey(QString::fromLatin1(ORDupViewCter::kQuickScanKey)));
        page->startBut()->click();
        QTRY_COMPARE(delegate.pages, QList<qint64>{14});
        QVERIFY(!engine.confirmContents());

        engine.startOver();
        page = std::make_unique<ORDupViewCter>(&delegate);  // a new page reads the setting
        QVERIFY(page->quickScanBox()->isChecked());
        page->quickScanBox()->setChecked(false);
        page->startBut()->click();
        QTRY_COMPARE(delegate.pages, (QList<qint64>{14, 14}));
        QVERIFY(engine.confirmContents());
        engine.startOver();
    }
    void savedResultOpensOnTheResultPageAndTellsWhatWasLeftOut()
    {
        PageFixture fixture;
        RecordingDelegate delegate;
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        ORDupDataGroup group;
        for (const char *name : {"a", "b", "c"}) {
            ORDupDataItem item;
            item.itemPath = fixture.write(QStringLiteral("Documents/") + QLatin1String(name), QByteArray(20000, 'd'));
            item.itemSize = 20000;
            item.itemModTime = QFileInfo(item.itemPath).lastModified().toMSecsSinceEpoch();
            group.groupItems.append(item);
        }
        ORDupData listed;
        listed.dupGroups = {group};
        QFile::remove(fixture.home(QStringLiteral("Documents/c")));
        const QString saved = fixture.write(QStringLiteral("saved.json"), sw::DupResultJson::write(listed));
        ORDupViewCter page(&delegate);
        page.openResultFile(saved);
        QTRY_COMPARE(delegate.pages, QList<qint64>{15});
        QCOMPARE(engine.tempDupData()->dupGroups.size(), 1);
        QCOMPARE(engine.tempDupData()->dupGroups.at(0).groupItems.size(), 2);
        QTRY_VERIFY(page.openNotesSheet());
        auto *sheet = qobject_cast<QMessageBox *>(page.openNotesSheet());
        QVERIFY(sheet->detailedText().contains(QStringLiteral("Documents/c: no longer there")));
        sheet->close();

        page.openResultFile(fixture.write(QStringLiteral("bad.json"), "{\"dupGroups\": ["));
        QTRY_COMPARE(delegate.pages, (QList<qint64>{15, 14}));
        QTRY_VERIFY(page.openNotesSheet());
        QVERIFY(qobject_cast<QMessageBox *>(page.openNotesSheet())->text().contains(QStringLiteral("not valid JSON")));
        engine.startOver();
    }

    void emptyModeListsEmptyFindsEveryOneSelectable()
    {
        PageFixture fixture;
        RecordingDelegate delegate;
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        QDir().mkpath(fixture.home(QStringLiteral("Documents/old/older")));
        fixture.write(QStringLiteral("Music/zero"), QByteArray());
        ORDupViewCter page(&delegate);
        page.modeControl()->setSelectedSegment(ORDupViewCter::EmptySegment);
        page.startBut()->click();
        QTRY_COMPARE(delegate.pages, QList<qint64>{15});
        const auto data = engine.tempDupData();
        QCOMPARE(data->dupGroups.size(), 2);
        QCOMPARE(data->dupGroups.at(0).groupName, sw::EmptyFinder::title(sw::EmptyFinder::EmptyFiles));
        QCOMPARE(data->dupGroups.at(1).groupItems.at(0).itemPath, fixture.home(QStringLiteral("Documents/old")));
        for (const ORDupDataGroup &group : data->dupGroups) {
            QVERIFY(sw::KeepOneCopy::isGroupCheckable(group));
            QVERIFY(sw::KeepOneCopy::isItemCheckable(group, 0));
        }
        // Finds of 0 bytes can still be selected and moved.
        ORDupResultViewCter results(&delegate);
        results.viewWillAppear();
        results.viewDidAppear();
        results.autoSelectAction();
        QVERIFY(data->dupGroups.at(0).groupItems.at(0).isDel);
        QVERIFY(results.bottomBar()->delBut()->isEnabled());
        engine.setScanMode(ORDupDataCollection::ScanMode::Duplicates);
        engine.startOver();
    }

    // A folder row's lock marks it as a reference folder: remembered with the
    // list, handed to the engine with each scan, forgotten with its row.
    void referenceToggleIsRememberedAndHandedToTheEngine()
    {
        PageFixture fixture;
        RecordingDelegate delegate;
        QTemporaryDir dir;
        const QString originals = dir.filePath(QStringLiteral("originals"));
        const QString copies = dir.filePath(QStringLiteral("copies"));
        QVERIFY(QDir().mkpath(originals) && QDir().mkpath(copies));
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        engine.startOver();
        auto page = std::make_unique<ORDupViewCter>(&delegate);
        page->folderPanel()->setFolders({copies, originals});
        auto *cell = qobject_cast<ORFolderTableCellView *>(page->folderTableView()->itemDelegate());
        QVERIFY(cell);
        const QModelIndex row = page->folderTableView()->model()->index(1, 0);
        QStyleOptionViewItem option;
        option.rect = page->folderTableView()->visualRect(row);
        QStringList actions;
        for (const auto &action : cell->actions(option, row))
            actions << action.name;
        QCOMPARE(actions, (QStringList{QStringLiteral("Remove from the List"), QStringLiteral("Reference Folder")}));
        QCOMPARE(row.data(sw::ReferenceRole), QVariant(false));
        cell->press(ORFolderTableCellView::ReferenceButton, row);
        QCOMPARE(row.data(sw::ReferenceRole), QVariant(true));
        QVERIFY(row.data(Qt::ToolTipRole).toString().contains(QLatin1String("Reference folder")));
        QCOMPARE(page->referenceFolderArr(), QStringList{originals});

        page = std::make_unique<ORDupViewCter>(&delegate);  // a new page reads the setting
        QCOMPARE(page->folderArr(), (QStringList{copies, originals}));
        QCOMPARE(page->referenceFolderArr(), QStringList{originals});
        page->startBut()->click();
        QTRY_COMPARE(delegate.pages, QList<qint64>{14});
        QCOMPARE(engine.referenceFolders(), QStringList{originals});
        engine.startOver();

        page->folderPanel()->closeButton(1);
        QCOMPARE(page->referenceFolderArr(), QStringList{});
        QCOMPARE(ORPrefConfig::objectForKey(QString::fromLatin1(ORDupViewCter::kReferenceFoldersKey)).toStringList(),
                 QStringList{});
    }
};

QTEST_MAIN(TestORDupViewCter)
#include "test_ORDupViewCter.moc"
