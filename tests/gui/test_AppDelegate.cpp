#include "AppDelegate.h"
#include "AutostartEntries.h"
#include "ORLayout.h"
#include "ORPrefConfig.h"
#include "ORUtility.h"

#include <QCoreApplication>
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
