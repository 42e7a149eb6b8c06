// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORFolderTableCellView.h"
#include "gui/controls/ORTableView.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/shell/FolderListPanel.h"
#include "support/PageFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The duplicate scan page's own setting: the quick scan, kept in the settings
// and handed to the engine with each scan.
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
