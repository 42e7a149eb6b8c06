// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/foundation/AutostartEntries.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/mem/MemoryMonitor.h"
#include "core/platform/ORLayout.h"
#include "gui/app/AppDelegate.h"
#include "gui/mem/ORMemViewCter.h"
#include "gui/mem/ORQuotesWinCter.h"
#include "gui/mem/ORQuotesWindow.h"
#include "gui/shell/PageNumber.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Start-up: the settings written at every start, the archive defaults and the
// login item that follows "autostart".
class TestAppDelegate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> home;

    static QString appPath() { return QCoreApplication::applicationFilePath(); }
    static QList<sw::AutostartEntries::Item> entries() { return sw::AutostartEntries().list(); }

private slots:
    void init()
    {
        home = std::make_unique<QTemporaryDir>();
        ORLayout::set(ORLayout::Kind::Freedesktop, QString(), home->path());
        ORPrefConfig::setStorePath(home->filePath(QStringLiteral("Sweepwright.conf")));
    }
    void cleanup()
    {
        ORLayout::reset();
        ORPrefConfig::setStorePath(QString());
    }

    // The first start added the program to the login items unasked. On the
    // desktop it now waits for the user to turn "autostart" on; the macos
    // layout keeps adding it.
    void firstStartWritesTheSwitchesAndAddsNoLoginItem()
    {
        {
            AppDelegate delegate;
            delegate.applicationDidFinishLaunching();
            for (const auto &[key, value] : ORPrefConfig::startupValues())
                QCOMPARE(ORPrefConfig::objectForKey(key).toString(), value.toString());
            QCOMPARE(ORPrefConfig::stringForKey(QStringLiteral("filenameEncoding")), QStringLiteral("4"));
            QVERIFY(!ORPrefConfig::autostartEnable());
            QVERIFY(entries().isEmpty());
            QVERIFY(!QFileInfo::exists(home->filePath(QStringLiteral(".config/autostart"))));
            QVERIFY(delegate.mainWinController()->isVisible());
        }

        QFile::remove(ORPrefConfig::storePath());
        ORLayout::set(ORLayout::Kind::MacOS, QString(), home->path());
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        QVERIFY(ORPrefConfig::autostartEnable());
        const auto items = entries();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().name, QStringLiteral("Sweepwright"));
        QCOMPARE(items.first().path, appPath());
    }

    void aSwitchChangedByTheUserSurvivesTheNextStart()
    {
        ORPrefConfig::setXcodeEnable(true);
        ORPrefConfig::setTrashEnable(false);
        AppDelegate delegate;
        delegate.setPreferenceValue();
        QVERIFY(ORPrefConfig::xcodeEnable());
        QVERIFY(!ORPrefConfig::trashEnable());
        QVERIFY(ORPrefConfig::sysCacheEnable());  // never set: its start-up value
    }

    void autostartOffRemovesTheRegisteredEntryOnly()
    {
        ORUtility::addLoginItem(appPath(), QStringLiteral("Sweepwright"));
        ORUtility::addLoginItem(QStringLiteral("/usr/bin/true"), QStringLiteral("Other"));
        ORPrefConfig::setAutostartEnable(false);
        AppDelegate delegate;
        delegate.setUpAutoStart();
        const auto items = entries();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().name, QStringLiteral("Other"));
        // Registered already: a second run adds nothing.
        ORPrefConfig::setAutostartEnable(true);
        delegate.setUpAutoStart();
        delegate.setUpAutoStart();
        QCOMPARE(entries().size(), 2);
    }

    // Automatic release waited for the Memory page to be opened, because the
    // clock started with the page. It runs from the start now; its release
    // shows on the memory page and its pop-up, made for it.
    void automaticReleaseRunsWithoutOpeningTheMemoryPage()
    {
        QFile meminfo(home->filePath(QStringLiteral("meminfo")));
        QVERIFY(meminfo.open(QIODevice::WriteOnly));
        // 97.5 % in use, too little available for the release to touch anything.
        meminfo.write("MemTotal: 4000000 kB\nMemFree: 100000 kB\nMemAvailable: 100000 kB\n");
        meminfo.close();
        qputenv("SWEEPWRIGHT_PROC", QFile::encodeName(home->path()));
        ORPrefConfig::setAutoMemoryEnable(true);
        ORPrefConfig::setMemoryUsageEnable(50);
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        sw::MemoryMonitor &monitor = sw::MemoryMonitor::shareInstance();
        QVERIFY(monitor.isRunning());
        ORMainWinController *window = delegate.mainWinController();
        QVERIFY(window->currentPage() != sw::MemoryPage);
        QVERIFY(window->pageIsBuilt(sw::MemoryPage));
        QTRY_VERIFY(!monitor.isReleasing());
        const auto *page = qobject_cast<ORMemViewCter *>(window->pageController(sw::MemoryPage));
        QVERIFY(page && page->quotesWinCter);
        QCOMPARE(page->quotesWinCter->infoTextField->text(), QStringLiteral("Released Memory"));

        ORPrefConfig::setAutoMemoryEnable(false);
        monitor.preferencesChanged();
        qunsetenv("SWEEPWRIGHT_PROC");
    }

    void anExistingWindowIsBroughtBackNotRecreated()
    {
        AppDelegate delegate;
        delegate.showMainWin();
        ORMainWinController *first = delegate.mainWinController();
        first->close();
        QVERIFY(delegate.applicationShouldHandleReopen(false));
        QCOMPARE(delegate.mainWinController(), first);
        QVERIFY(first->isVisible());
        QVERIFY(!delegate.applicationShouldHandleReopen(true));
    }

    // sweepwright --open-result, also handed over by a second start: the
    // duplicate finder opens the file from its folder page, but never over a
    // result the user is on, who is told instead.
    void aSavedResultOpensFromTheFolderPageOnly()
    {
        AppDelegate delegate;
        delegate.showMainWin();
        ORMainWinController *window = delegate.mainWinController();
        const QString saved = home->filePath(QStringLiteral("saved.json"));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"dupGroups\": [");
        file.close();
        delegate.openSavedResult(saved);
        QTRY_COMPARE(window->currentPage(), qint64(sw::DupNothingPage));
        QTRY_VERIFY(window->findChild<QMessageBox *>(QStringLiteral("openNotesSheet")));
        window->findChild<QMessageBox *>(QStringLiteral("openNotesSheet"))->close();
        delegate.openSavedResult(saved);
        QTRY_VERIFY(window->findChild<QMessageBox *>(QStringLiteral("savedResultBusySheet")));
        QVERIFY(window->findChild<QMessageBox *>(QStringLiteral("savedResultBusySheet"))->text().contains(saved));
        QCOMPARE(window->currentPage(), qint64(sw::DupNothingPage));
    }

    // Ctrl+Q ends the program even when it would live on after the window
    // closed (a tray item keeps it running).
    void ctrlQEndsTheProgramWhileTheTrayKeepsItRunning()
    {
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        qApp->setQuitOnLastWindowClosed(false);
        ORMainWinController *window = delegate.mainWinController();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, window, [window] { QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier); });
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stillRunning.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quitting.size(), 1);
    }

    // Without a tray nothing brings a closed window back: closing it ends
    // the program rather than leaving it running unseen. (Last: it ends the
    // event loop of this test.)
    void withoutATrayClosingTheWindowQuits()
    {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.prefMenuDidClick();  // another window open does not keep it alive
        QTimer::singleShot(0, delegate.mainWinController(), &QWidget::close);
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        connect(&stillRunning, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        stillRunning.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(TestAppDelegate)
#include "test_AppDelegate.moc"
