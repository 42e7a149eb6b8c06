// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "gui/dups/ORDupViewCter.h"
#include "support/PageFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
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
};

QTEST_MAIN(TestORDupViewCter)
#include "test_ORDupViewCter.moc"
