#include "FolderListPanel.h"
#include "ORBigDataCollection.h"
#include "ORBigViewCter.h"
#include "ORNotificationCenter.h"
#include "ORProgressView.h"
#include "PageFixture.h"
#include "ScanProgressPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The large-file scan page: its folder list, the scan button, the scan with
// its progress, and where the scan leads.
class TestORBigViewCter : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    RecordingDelegate delegate;
    std::unique_ptr<ORBigViewCter> page;

    void makePage()
    {
        page = std::make_unique<ORBigViewCter>(&delegate);
        page->resize(980, 700);
        page->show();
        page->viewWillAppear();
    }
    // Keys reach the page's shortcuts only in the active window.
    void pressReturn()
    {
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        QTest::keyClick(page.get(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        delegate = RecordingDelegate();
        ORBigDataCollection::shareInstance().startOver();
    }
    void cleanup()
    {
        page.reset();
        ORBigDataCollection::shareInstance().startOver();
        fixture.reset();
    }

    void freshPageListsTheLayoutsFolders_data()
    {
        QTest::addColumn<bool>("macos");
        QTest::addColumn<QString>("videosLine");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("freedesktop") << false << QString() << QStringList{"Documents", "Videos"};
        QTest::newRow("freedesktop, own videos folder")
            << false << QStringLiteral("XDG_VIDEOS_DIR=\"$HOME/Filme\"\n") << QStringList{"Documents", "Filme"};
        QTest::newRow("macos") << true << QString() << QStringList{"Documents", "Movies"};
    }
    void freshPageListsTheLayoutsFolders()
    {
        QFETCH(bool, macos);
        QFETCH(QString, videosLine);
        QFETCH(QStringList, folders);
        fixture = std::make_unique<PageFixture>(macos ? ORLayout::Kind::MacOS : ORLayout::Kind::Freedesktop);
        if (!videosLine.isEmpty()) {
            QDir().mkpath(fixture->home(QStringLiteral("Filme")));
            fixture->write(QStringLiteral(".config/user-dirs.dirs"), videosLine.toUtf8());
        }
        makePage();
        QStringList expected;
        for (const QString &name : folders)
            expected.append(fixture->home(name));
        QCOMPARE(page->bigFolderArr(), expected);
        QVERIFY(page->scanBut()->isEnabled());
        QCOMPARE(page->progressPanel()->scanTextField()->text(),
                 macos ? QStringLiteral("Scanning your Mac now...") : QStringLiteral("Scanning your computer now..."));
    }

    void scanButtonFollowsTheFolderList()
    {
        fixture = std::make_unique<PageFixture>();
        makePage();
        page->folderPanel()->closeButton(0);
        QVERIFY(page->scanBut()->isEnabled());
        page->folderPanel()->closeButton(0);
        QVERIFY(!page->scanBut()->isEnabled());
        pressReturn();
        QVERIFY(!page->isScanning());
        page->folderPanel()->addFolders({fixture->home(QStringLiteral("Music"))});
        QVERIFY(page->scanBut()->isEnabled());
    }

    void scanLocksTheSidebarAndEndsOnTheResultPage()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->sparse(QStringLiteral("Videos/film.mkv"), 40 * PageFixture::MiB);
        makePage();
        page->scanBut()->click();
        QVERIFY(!delegate.sidebarEnabled);
        QVERIFY(page->progressView()->isVisible());
        QVERIFY(!page->scanBut()->isVisible());
        QCOMPARE(page->progressPanel()->circleView()->title(), QStringLiteral("Scanning"));
        QTRY_COMPARE(delegate.pages, QList<qint64>{19});
        QVERIFY(delegate.sidebarEnabled);
        QVERIFY(!page->progressPanel()->circleView());
        ORBigDataCollection &engine = ORBigDataCollection::shareInstance();
        QVERIFY(engine.tempBigData());
        QCOMPARE(engine.tempBigData()->bigTotalSize, 40 * PageFixture::MiB);
        QCOMPARE(engine.folders(), page->bigFolderArr());
        QCOMPARE(engine.excludeFiles().size(), 33);
        QCOMPARE(engine.excludeFolders(), (QStringList{"/.[^/]*", "[^/]*.docset$"}));
    }

    void scanWithoutLargeFilesEndsOnTheNothingFoundPage()
    {
        fixture = std::make_unique<PageFixture>();
        fixture->sparse(QStringLiteral("Documents/almost.bin"), 32 * PageFixture::MiB - 1);
        makePage();
        pressReturn();
        QVERIFY(page->isScanning());
        QTRY_COMPARE(delegate.pages, QList<qint64>{18});
        QVERIFY(delegate.sidebarEnabled);
        QVERIFY(ORBigDataCollection::shareInstance().tempBigData()->bigGroups.isEmpty());
    }

    void progressShowsThePathAndTheSizeFound()
    {
        fixture = std::make_unique<PageFixture>();
        makePage();
        ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
        center.postNotification(QStringLiteral("bigtitle"), fixture->home(QStringLiteral("Videos/film.mkv")));
        QVERIFY(page->scanTitleTextField()->text().endsWith(QStringLiteral("film.mkv")));
        center.postNotification(QStringLiteral("bigszie"), qint64(41943040));
        QCOMPARE(page->foundTextField()->text(), QStringLiteral("Found: 40.00 MB"));
        page->viewWillAppear();
        QCOMPARE(page->foundTextField()->text(), QString());
    }
};

QTEST_MAIN(TestORBigViewCter)
#include "test_ORBigViewCter.moc"
