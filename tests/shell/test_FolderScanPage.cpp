// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/foundation/Translations.h"
#include "gui/bigs/ORBigViewCter.h"
#include "gui/controls/ORProgressView.h"
#include "gui/controls/ORTableView.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/RoundStartButton.h"
#include "gui/shell/ScanProgressPanel.h"
#include "support/PageFixture.h"
#include "ToolEngines.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// The scan pages of the large-file and duplicate tools: their folders, the
// start button and the Return key, the scan with its progress, and where it
// leads. Each row names the tool.
class TestFolderScanPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PageFixture> fixture;
    RecordingDelegate delegate;
    std::unique_ptr<sw::FolderScanPage> page;

    void makePage(const QString &tool)
    {
        if (tool == QLatin1String("large files"))
            page = std::make_unique<ORBigViewCter>(&delegate);
        else
            page = std::make_unique<ORDupViewCter>(&delegate);
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
    static void addToolColumn()
    {
        QTest::addColumn<QString>("tool");
    }

private slots:
    void initTestCase() { sw::Translations::install(); }
    void init()
    {
        delegate = RecordingDelegate();
        ToolEngines::startOverBoth();
    }
    void cleanup()
    {
        page.reset();
        ToolEngines::startOverBoth();
        fixture.reset();
    }

    void freshPageListsTheLayoutsFolders_data()
    {
        addToolColumn();
        QTest::addColumn<bool>("macos");
        QTest::addColumn<QString>("userDirs");
        QTest::addColumn<QStringList>("folders");
        const QString films = QStringLiteral("XDG_VIDEOS_DIR=\"$HOME/Filme\"\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                                             "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
        QTest::newRow("large files, freedesktop")
            << "large files" << false << QString() << QStringList{"Documents", "Downloads", "Videos", "Pictures"};
        QTest::newRow("large files, own folders")
            << "large files" << false << films << QStringList{"Documents", "Downloads", "Filme", "Pictures"};
        QTest::newRow("large files, macos") << "large files" << true << QString() << QStringList{"Documents", "Movies"};
        QTest::newRow("duplicates, freedesktop")
            << "duplicates" << false << QString()
            << QStringList{"Desktop", "Documents", "Downloads", "Music", "Pictures", "Videos"};
        QTest::newRow("duplicates, own folders")
            << "duplicates" << false << films
            << QStringList{"Schreibtisch", "Documents", "Downloads", "Musik", "Pictures", "Filme"};
        QTest::newRow("duplicates, macos") << "duplicates" << true << QString() << QStringList{"Documents", "Music"};
    }
    void freshPageListsTheLayoutsFolders()
    {
        QFETCH(QString, tool);
        QFETCH(bool, macos);
        QFETCH(QString, userDirs);
        QFETCH(QStringList, folders);
        fixture = std::make_unique<PageFixture>(macos ? ORLayout::Kind::MacOS : ORLayout::Kind::Freedesktop);
        if (!userDirs.isEmpty()) {
            QDir().mkpath(fixture->home(QStringLiteral("Filme")));
            QDir().mkpath(fixture->home(QStringLiteral("Musik")));
            QDir().mkpath(fixture->home(QStringLiteral("Schreibtisch")));
            fixture->write(QStringLiteral(".config/user-dirs.dirs"), userDirs.toUtf8());
        }
        makePage(tool);
        QStringList expected;
        for (const QString &name : folders)
            expected.append(fixture->home(name));
        QCOMPARE(page->folders(), expected);
        QVERIFY(page->startButton()->isEnabled());
    }

    // What the user makes of the list is what the next run lists, per tool;
    // an emptied list starts from the defaults again.
    void folderListIsRememberedPerTool()
    {
        fixture = std::make_unique<PageFixture>();
        makePage(QStringLiteral("large files"));
        const QStringList defaults = page->folders();
        page->folderPanel()->closeButton(0);
        page->folderPanel()->addFolders({fixture->home(QStringLiteral("Movies"))});
        const QStringList chosen = page->folders();
        QCOMPARE(chosen.last(), fixture->home(QStringLiteral("Movies")));
        makePage(QStringLiteral("large files"));
        QCOMPARE(page->folders(), chosen);
        makePage(QStringLiteral("duplicates"));
        QVERIFY(!page->folders().contains(fixture->home(QStringLiteral("Movies"))));

        makePage(QStringLiteral("large files"));
        while (!page->folders().isEmpty())
            page->folderPanel()->closeButton(0);
        QVERIFY(!page->startButton()->isEnabled());
        makePage(QStringLiteral("large files"));
        QCOMPARE(page->folders(), defaults);
    }

    // Tab walks from the folder list to the start button (not from cell to
    // cell), which then wears its round focus ring; a click gives none.
    void tabReachesTheStartButtonFromTheFolderList()
    {
        fixture = std::make_unique<PageFixture>();
        makePage(QStringLiteral("large files"));
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        page->folderTableView()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(page->folderTableView(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), page->startButton());
        // The ring on the circle's left edge (mid-height); none from a mouse click.
        const auto ringPixel = [this] {
            const QImage shot = page->grab(page->startButton()->geometry().translated(
                                               page->startButton()->parentWidget()->mapTo(page.get(), QPoint())))
                                    .toImage();
            return shot.pixelColor(2, shot.height() / 2);
        };
        QVERIFY(static_cast<sw::RoundStartButton *>(page->startButton())->showsFocusRing());
        QCOMPARE(ringPixel(), QColor(55, 154, 2));
        page->folderTableView()->setFocus(Qt::MouseFocusReason);
        page->startButton()->setFocus(Qt::MouseFocusReason);
        QVERIFY(ringPixel() != QColor(55, 154, 2));
    }

    void startButtonFollowsTheFolderList_data()
    {
        addToolColumn();
        QTest::newRow("large files") << "large files";
        QTest::newRow("duplicates") << "duplicates";
    }
    void startButtonFollowsTheFolderList()
    {
        QFETCH(QString, tool);
        fixture = std::make_unique<PageFixture>();
        makePage(tool);
        while (page->folders().size() > 1)
            page->folderPanel()->closeButton(0);
        QVERIFY(page->startButton()->isEnabled());
        page->folderPanel()->closeButton(0);
        QVERIFY(!page->startButton()->isEnabled());
        pressReturn();
        QVERIFY(!page->isScanning());
        page->folderPanel()->addFolders({fixture->home(QStringLiteral("Movies"))});
        QVERIFY(page->startButton()->isEnabled());
        pressReturn();
        QVERIFY(page->isScanning());
        QTRY_VERIFY(!page->isScanning());
    }

    void scanLocksTheSidebarAndLeadsOn_data()
    {
        addToolColumn();
        QTest::addColumn<bool>("findSomething");
        QTest::addColumn<qint64>("nextPage");
        QTest::addColumn<int>("excludedExtensions");
        QTest::newRow("large files found") << "large files" << true << qint64(19) << 33;
        QTest::newRow("no large files") << "large files" << false << qint64(18) << 33;
        QTest::newRow("duplicates found") << "duplicates" << true << qint64(15) << 35;
        QTest::newRow("no duplicates") << "duplicates" << false << qint64(14) << 35;
    }
    void scanLocksTheSidebarAndLeadsOn()
    {
        QFETCH(QString, tool);
        QFETCH(bool, findSomething);
        QFETCH(qint64, nextPage);
        QFETCH(int, excludedExtensions);
        fixture = std::make_unique<PageFixture>();
        const QByteArray song = PageFixture::randomBytes(20000);
        fixture->write(QStringLiteral("Music/song.mp3"), song);
        fixture->write(QStringLiteral("Documents/song.mp3"), findSomething ? song : PageFixture::randomBytes(20000));
        fixture->sparse(QStringLiteral("Videos/film.mkv"), findSomething ? ORBigDataCollection::kMinimumSize
                                                                         : ORBigDataCollection::kMinimumSize - 1);
        makePage(tool);
        page->startButton()->click();
        QVERIFY(!delegate.sidebarEnabled);
        QVERIFY(page->progressView()->isVisible());
        QVERIFY(!page->startButton()->isVisible());
        QCOMPARE(page->progressPanel()->circleView()->title(), QStringLiteral("Scanning"));
        QTRY_COMPARE(delegate.pages, QList<qint64>{nextPage});
        QVERIFY(delegate.sidebarEnabled);
        QVERIFY(!page->progressPanel()->circleView());
        QCOMPARE(page->excludeFileArr().size(), excludedExtensions);
        if (tool == QLatin1String("large files")) {
            QCOMPARE(ORBigDataCollection::shareInstance().folders(), page->folders());
            QCOMPARE(ORBigDataCollection::shareInstance().excludeFiles(), page->excludeFileArr());
        } else {
            QCOMPARE(ORDupDataCollection::shareInstance().folders(), page->folders());
            QCOMPARE(ORDupDataCollection::shareInstance().excludeFolders(), page->excludeFolderArr());
        }
    }

    void progressShowsThePathAndWhatWasFound_data()
    {
        addToolColumn();
        QTest::addColumn<QString>("pathName");
        QTest::addColumn<QString>("foundName");
        QTest::addColumn<QVariant>("found");
        QTest::addColumn<QString>("text");
        QTest::newRow("large files") << "large files" << "bigtitle" << "bigszie" << QVariant(qint64(41943040))
                                     << QStringLiteral("Found %1").arg(ORUtility::sizeFormatWithNumber(41943040));
        QTest::newRow("duplicates") << "duplicates" << "dupicon" << "duplicatesize"
                                    << QVariant(QVariantList{qint64(13107200), qint64(3)})
                                    << QStringLiteral("Found 3 sets of duplicates, %1").arg(ORUtility::sizeFormatWithNumber(13107200));
    }
    void progressShowsThePathAndWhatWasFound()
    {
        QFETCH(QString, tool);
        QFETCH(QString, pathName);
        QFETCH(QString, foundName);
        QFETCH(QVariant, found);
        QFETCH(QString, text);
        fixture = std::make_unique<PageFixture>();
        makePage(tool);
        ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
        center.postNotification(pathName, fixture->home(QStringLiteral("Videos/film.mkv")));
        QVERIFY(page->scanTitleTextField()->text().endsWith(QStringLiteral("film.mkv")));
        center.postNotification(foundName, found);
        QCOMPARE(page->foundTextField()->text(), text);
        page->viewWillAppear();
        QCOMPARE(page->foundTextField()->text(), QString());
    }
};

QTEST_MAIN(TestFolderScanPage)
#include "test_FolderScanPage.moc"
