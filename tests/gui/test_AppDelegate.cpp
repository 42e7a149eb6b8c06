#include "AppDelegate.h"
#include "AutostartEntries.h"
#include "MemoryMonitor.h"
#include "ORLayout.h"
#include "ORMemViewCter.h"
#include "ORPrefConfig.h"
#include "ORQuotesWinCter.h"
#include "ORQuotesWindow.h"
#include "ORUtility.h"
#include "PageNumber.h"

#include <QCoreApplication>
#include <QLabel>
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

    void firstStartWritesTheSwitchesAndAddsTheLoginItem()
    {
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        for (const auto &[key, value] : ORPrefConfig::startupValues())
            QCOMPARE(ORPrefConfig::objectForKey(key).toString(), value.toString());
        QCOMPARE(ORPrefConfig::stringForKey(QStringLiteral("filenameEncoding")), QStringLiteral("4"));
        const auto items = entries();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().name, QStringLiteral("Sweepwright"));
        QCOMPARE(items.first().path, appPath());
        QVERIFY(delegate.mainWinController()->isVisible());
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
};

QTEST_MAIN(TestAppDelegate)
#include "test_AppDelegate.moc"
