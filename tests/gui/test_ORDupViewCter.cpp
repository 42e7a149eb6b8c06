#include "FolderListPanel.h"
#include "ORDupDataCollection.h"
#include "ORDupViewCter.h"
#include "ORNotificationCenter.h"
#include "ORPrefConfig.h"
#include "PageFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The duplicate scan page: its folders, its progress text, the quick-scan
// setting and where a scan leads.
class TestORDupViewCter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    RecordingDelegate delegate;
    std::unique_ptr<ORDupViewCter> page;

    void makePage()
    {
        page = std::make_unique<ORDupViewCter>(&delegate);
        page->resize(980, 700);
        page->show();
        page->viewWillAppear();
    }

private slots:
    void init()
    {
        delegate = RecordingDelegate();
        ORDupDataCollection::shareInstance().startOver();
    }
    void cleanup()
    {
        page.reset();
        ORDupDataCollection::shareInstance().startOver();
        ORDupDataCollection::shareInstance().setConfirmContents(true);
        fixture.reset();
    }

    void freshPageListsTheLayoutsFolders_data()
    {
        QTest::addColumn<bool>("macos");
        QTest::addColumn<QString>("musicLine");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("freedesktop") << false << QString() << QStringList{"Documents", "Music"};
        QTest::newRow("freedesktop, own music folder")
            << false << QStringLiteral("XDG_MUSIC_DIR=\"$HOME/Musik\"\n") << QStringList{"Documents", "Musik"};
        QTest::newRow("macos") << true << QString() << QStringList{"Documents", "Music"};
    }
    void freshPageListsTheLayoutsFolders()
    {
        QFETCH(bool, macos);
        QFETCH(QString, musicLine);
        QFETCH(QStringList, folders);
        fixture = std::make_unique<PageFixture>(macos ? ORLayout::Kind::MacOS : ORLayout::Kind::Freedesktop);
        if (!musicLine.isEmpty()) {
            QDir().mkpath(fixture->home(QStringLiteral("Musik")));
            fixture->write(QStringLiteral(".config/user-dirs.dirs"), musicLine.toUtf8());
        }
        makePage();
        QStringList expected;
        for (const QString &name : folders)
            expected.append(fixture->home(name));
        QCOMPARE(page->folderArr(), expected);
        page->folderPanel()->closeButton(1);
        page->folderPanel()->closeButton(0);
        QVERIFY(!page->startBut()->isEnabled());
    }

    void foundTextCountsGroupsAndBytes()
    {
        fixture = std::make_unique<PageFixture>();
        makePage();
        ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("duplicatesize"),
                                                               QVariantList{qint64(13107200), qint64(3)});
        QCOMPARE(page->foundTextField()->text(), QStringLiteral("Found: 3 Dups 12.50 MB"));
        ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("duplicatesize"),
                                                               QVariantList{qint64(14680064), qint64(4)});
        QCOMPARE(page->foundTextField()->text(), QStringLiteral("Found: 4 Dups 14.00 MB"));
    }

    void quickScanIsASettingHandedToTheEngine()
    {
        fixture = std::make_unique<PageFixture>();
        makePage();
        QVERIFY(!page->quickScanBox()->isChecked());
        page->quickScanBox()->setChecked(true);
        QVERIFY(ORPrefConfig::boolForKey(QString::fromLatin1(ORDupViewCter::kQuickScanKey)));
        page->startBut()->click();
        QTRY_COMPARE(delegate.pages, QList<qint64>{14});
        QVERIFY(!ORDupDataCollection::shareInstance().confirmContents());
        page.reset();
        makePage();  // a new page reads the setting
        QVERIFY(page->quickScanBox()->isChecked());
    }

    void scanEndsOnTheResultOrTheNothingFoundPage_data()
    {
        QTest::addColumn<bool>("withCopies");
        QTest::addColumn<qint64>("page");
        QTest::newRow("copies") << true << qint64(15);
        QTest::newRow("no copies") << false << qint64(14);
    }
    void scanEndsOnTheResultOrTheNothingFoundPage()
    {
        QFETCH(bool, withCopies);
        QFETCH(qint64, page);
        fixture = std::make_unique<PageFixture>();
        const QByteArray song = PageFixture::randomBytes(20000);
        fixture->write(QStringLiteral("Music/song.mp3"), song);
        fixture->write(QStringLiteral("Documents/song.mp3"), withCopies ? song : PageFixture::randomBytes(20000));
        makePage();
        this->page->startBut()->click();
        QVERIFY(!delegate.sidebarEnabled);
        QVERIFY(this->page->progressView()->isVisible());
        QTRY_COMPARE(delegate.pages, QList<qint64>{page});
        QVERIFY(delegate.sidebarEnabled);
        ORDupDataCollection &engine = ORDupDataCollection::shareInstance();
        QCOMPARE(engine.tempDupData()->dupGroups.size(), withCopies ? 1 : 0);
        QVERIFY(engine.confirmContents());
        QCOMPARE(engine.excludeFiles().size(), 35);
    }
};

QTEST_MAIN(TestORDupViewCter)
#include "test_ORDupViewCter.moc"
