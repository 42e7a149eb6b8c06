// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/JunkFixture.h"

#include "core/dups/ORDupDataCollection.h"
#include "core/foundation/AutostartEntries.h"
#include "core/foundation/JobControl.h"
#include "core/junk/ORJunkCategory.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/controls/AgeLimitControl.h"
#include "gui/preference/GeneralPrefViewController.h"
#include "gui/preference/MASPreferencesWindowController.h"
#include "gui/preference/PrefCheckBox.h"
#include "gui/preference/SchedulePrefViewController.h"
#include "gui/preference/SmartCleanPrefViewController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QSpinBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

class TestMASPreferencesWindowController : public QObject
{
    Q_OBJECT

    std::unique_ptr<JunkFixture> fixture;

    static std::unique_ptr<MASPreferencesWindowController> window()
    {
        return std::make_unique<MASPreferencesWindowController>(
            QList<PrefPane *>{new GeneralPrefViewController, new SmartCleanPrefViewController,
             new SchedulePrefViewController}, QStringLiteral("Preferences"));
    }

private slots:
    void init() { fixture = std::make_unique<JunkFixture>(); }
    void cleanup()
    {
        fixture.reset();
        ORLayout::reset();
        ORPrefConfig::setStorePath(QString());
    }

    void theLastPaneShownIsShownAgainAndTabsCycle()
    {
        {
            auto prefs = window();
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("General"));
            prefs->show();
            prefs->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(prefs.get()));
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Junk Cleanup"));
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Schedule"));
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier);  // wraps
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("General"));
            // Ctrl+Shift+Tab arrives as Backtab with both modifiers; a
            // shortcut of Ctrl+Shift+Backtab alone never fired for it.
            QTest::keyClick(prefs.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Schedule"));
            QTest::keyClick(prefs.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Junk Cleanup"));
            QTest::keyClick(prefs.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("General"));
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Schedule"));
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier);  // wraps
            QTest::keyClick(prefs.get(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(prefs->selectedViewController()->identifier(), QStringLiteral("Junk Cleanup"));
            prefs->close();
        }
        auto again = window();
        QCOMPARE(again->selectedViewController()->identifier(), QStringLiteral("Junk Cleanup"));
        QCOMPARE(again->windowTitle(), QStringLiteral("Preferences"));
    }

    void theMemoryThresholdFollowsThePopUpOnlyWhileAutomaticReleaseIsOn()
    {
        GeneralPrefViewController pane;
        QCOMPARE(ORPrefConfig::memoryUsageEnable(), 80);  // 85 stored: the nearest entry from now on
        QVERIFY(!pane.btnMemoryUsage()->isEnabled());
        pane.chkAutoMem()->click();
        QVERIFY(ORPrefConfig::autoMemoryEnable());
        QVERIFY(pane.btnMemoryUsage()->isEnabled());
        pane.onBtnMemoryUsage(2);
        QCOMPARE(ORPrefConfig::memoryUsageEnable(), 90);
        pane.chkAutoMem()->click();
        QVERIFY(!pane.btnMemoryUsage()->isEnabled());
    }

    void theHashCacheIsOnUntilSwitchedOffAndClearRemovesItsFile()
    {
        const QString cache = ORDupDataCollection::hashCachePath();
        QVERIFY(QDir().mkpath(QFileInfo(cache).path()));
        QFile file(cache);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("digests") == 7);
        file.close();
        GeneralPrefViewController pane;
        const QString key = QString::fromLatin1(ORDupDataCollection::kHashCacheKey);
        QVERIFY(pane.chkHashCache()->isChecked());
        pane.chkHashCache()->click();
        QVERIFY(ORPrefConfig::hasStoredValue(key) && !ORPrefConfig::boolForKey(key));
        QSignalSpy cleared(&pane, &GeneralPrefViewController::hashCacheCleared);
        pane.btnClearHashCache()->click();
        QVERIFY(!pane.btnClearHashCache()->isEnabled());  // until the worker is done
        QVERIFY(cleared.wait());
        QCOMPARE(cleared.first().first().toBool(), true);
        QVERIFY(!QFileInfo::exists(cache));
        QVERIFY(pane.btnClearHashCache()->isEnabled());
    }

    void runAtLoginOffRemovesTheItemAlsoFromInsideTheApplication()
    {
        const QString app = QCoreApplication::applicationFilePath();
        sw::AutostartEntries entries;
        entries.add(app, QStringLiteral("Sweepwright"));
        entries.add(app + QStringLiteral("/helper"), QStringLiteral("Helper"));
        entries.add(QStringLiteral("/usr/bin/true"), QStringLiteral("Other"));
        ORPrefConfig::setAutostartEnable(true);
        GeneralPrefViewController pane;
        QVERIFY(pane.chkRunStartup()->isChecked());
        pane.chkRunStartup()->click();
        QVERIFY(!ORPrefConfig::autostartEnable());
        const auto left = entries.list();
        QCOMPARE(left.size(), 1);
        QCOMPARE(left.first().name, QStringLiteral("Other"));
        pane.chkRunStartup()->click();
        QCOMPARE(entries.list().size(), 2);
    }

    void unTickingTrashLeavesTheTrashOutOfTheNextJunkScan()
    {
        SmartCleanPrefViewController pane;
        // Only the categories this layout offers have a box.
        QCOMPARE(pane.findChildren<PrefCheckBox *>().size(), ORJunkCategory::categories().size());
        QVERIFY(!pane.boxForSwitch(QStringLiteral("itunesjunk")));
        PrefCheckBox *trash = pane.boxForSwitch(QStringLiteral("trash"));
        QVERIFY(trash && trash->isChecked());
        trash->click();
        QVERIFY(!ORPrefConfig::trashEnable());
        ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
        engine.startOver();
        sw::JobControl job;
        const auto data = engine.scan(job);
        QVERIFY(data);
        for (const ORJunkDataGroup &group : data->junkGroups)
            QVERIFY(group.groupID != sw::junk::Trash);
        engine.startOver();
    }

    // Ticking the Downloads' age rule offers a month; the next scan lists
    // only downloads older than that, and says so in the category's text.
    void tickingTheDownloadsAgeLeavesNewerDownloadsOutOfTheNextScan()
    {
        const QString setup = fixture->path(QStringLiteral("home/Downloads/setup.iso"));
        const timespec monthsAgo{QDateTime::currentSecsSinceEpoch() - 60 * 24 * 3600, 0};
        const timespec times[2] = {monthsAgo, monthsAgo};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(setup).constData(), times, 0), 0);
        fixture->write(QStringLiteral("home/Downloads/today.iso"), 500);
        SmartCleanPrefViewController pane;
        sw::AgeLimitControl *age = pane.ageLimitForSwitch(QStringLiteral("download"));
        QVERIFY(age && !age->isOn() && !age->spinBox()->isEnabled());
        QCOMPARE(age->days(), 30);
        age->checkBox()->click();
        QVERIFY(age->spinBox()->isEnabled());
        QVERIFY(ORPrefConfig::junkAgeEnable(QStringLiteral("download")));
        QVERIFY(!pane.ageLimitForSwitch(QStringLiteral("trash"))->isOn());
        ORJunkFilesCollection &engine = ORJunkFilesCollection::shareInstance();
        engine.startOver();
        sw::JobControl job;
        const auto data = engine.scan(job);
        QVERIFY(data);
        const auto downloads = std::find_if(data->junkGroups.cbegin(), data->junkGroups.cend(),
                                            [](const ORJunkDataGroup &g) { return g.groupID == sw::junk::Downloads; });
        QVERIFY(downloads != data->junkGroups.cend());
        QCOMPARE(downloads->groupItems.size(), 1);
        QCOMPARE(downloads->groupItems.first().itemPath, setup);
        QVERIFY(downloads->groupInfo.contains(QStringLiteral("older than 30 day")));
        engine.startOver();
    }
};

QTEST_MAIN(TestMASPreferencesWindowController)
#include "test_MASPreferencesWindowController.moc"
