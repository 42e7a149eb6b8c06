#include "DupCopyLimit.h"
#include "ORBigDelViewCter.h"
#include "ORDupDelViewCter.h"
#include "ORNotificationCenter.h"
#include "ORProgressView.h"
#include "ORSelection.h"
#include "PageFixture.h"
#include "ToolEngines.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The removal pages of the large-file and duplicate tools: started by their
// notification, they lock the sidebar while the engine moves the selection to
// the fixture's Trash, show the size moved, and lead back to the scan page.
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
    void init()
    {
        fixture = std::make_unique<PageFixture>();
        delegate = RecordingDelegate();
    }
    void cleanup()
    {
        ToolEngines::startOverBoth();
        fixture.reset();
    }

    void removesBehindALockedSidebarAndLeadsBack_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("notification");
        QTest::addColumn<QString>("freed");
        QTest::addColumn<qint64>("scanPage");
        QTest::addColumn<QString>("moved");
        QTest::addColumn<QString>("kept");
        QTest::newRow("large files") << QStringLiteral("large files") << QStringLiteral("delbigfiles")
                                     << QStringLiteral("40.00 MB") << qint64(17) << QStringLiteral("Documents/old.iso")
                                     << QString();
        // The copy found first stays.
        QTest::newRow("duplicates") << QStringLiteral("duplicates") << QStringLiteral("delDup")
                                    << QStringLiteral("19.53 KB") << qint64(13) << QStringLiteral("Music/old.iso")
                                    << QStringLiteral("Documents/old.iso");
    }
    void removesBehindALockedSidebarAndLeadsBack()
    {
        QFETCH(QString, tool);
        QFETCH(QString, notification);
        QFETCH(QString, freed);
        QFETCH(qint64, scanPage);
        QFETCH(QString, moved);
        QFETCH(QString, kept);
        std::unique_ptr<sw::RemovalPage> page = prepare(tool);
        page->show();
        page->viewWillAppear();
        QVERIFY(!page->completionBut()->isVisible());
        QVERIFY(!page->removeSizeView()->isVisible());

        ORNotificationCenter::defaultCenter().postNotification(notification);
        QVERIFY(page->isDeleting());
        QVERIFY(!delegate.sidebarEnabled);
        QCOMPARE(page->circleView()->title(), QStringLiteral("Deleting"));
        QTRY_VERIFY(page->completionBut()->isVisible());
        QVERIFY(delegate.sidebarEnabled);
        QCOMPARE(page->sizeDelField()->text() + QLatin1Char(' ') + page->removeUnitField()->text(), freed);
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("old.iso"))));
        QVERIFY(!fixture->homeHas(moved));
        QVERIFY(kept.isEmpty() || fixture->homeHas(kept));

        page->completionBut()->click();
        QCOMPARE(delegate.pages, QList<qint64>{scanPage});
        QVERIFY(!ORBigDataCollection::shareInstance().tempBigData());
        QVERIFY(!ORDupDataCollection::shareInstance().tempDupData());
    }

    void trashIsMadeInAHomeWithoutDataFolder()
    {
        QVERIFY(!QFileInfo::exists(fixture->home(QStringLiteral(".local"))));
        std::unique_ptr<sw::RemovalPage> page = prepare(QStringLiteral("large files"));
        page->show();
        ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("delbigfiles"));
        QTRY_VERIFY(page->completionBut()->isVisible());
        QVERIFY(QFileInfo::exists(fixture->trashed(QStringLiteral("old.iso"))));
        QVERIFY(QFileInfo::exists(fixture->home(QStringLiteral(".local/share/Trash/info/old.iso.trashinfo"))));
        QVERIFY(!QFileInfo::exists(QDir::currentPath() + QStringLiteral("/files/old.iso")));
    }
};

QTEST_MAIN(TestRemovalPage)
#include "test_RemovalPage.moc"
