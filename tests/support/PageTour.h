// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bigs/ORBigDataCollection.h"
#include "core/dups/ORDupDataCollection.h"
#include "core/extensions/ORExtDataCollection.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "core/shreds/ORShredOperation.h"
#include "core/shreds/ShredNotifications.h"
#include "core/uninst/ORAppDataCollection.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/app/AboutDialog.h"
#include "gui/app/ORMainWinController.h"
#include "gui/controls/SYFlatButton.h"
#include "gui/history/HistoryPage.h"
#include "gui/preference/GeneralPrefViewController.h"
#include "gui/preference/KeepPrefViewController.h"
#include "gui/preview/ViewerFactory.h"
#include "gui/preference/MASPreferencesWindowController.h"
#include "gui/preference/SchedulePrefViewController.h"
#include "gui/preference/SmartCleanPrefViewController.h"
#include "gui/shell/BusyCircleSlot.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shell/ResultPageBase.h"
#include "gui/shell/ScanPage.h"
#include "gui/shell/ScanProgressPanel.h"
#include "gui/shell/SegmentedControl.h"
#include "gui/shreds/ORShredViewCter.h"
#include "gui/winmail/FileNotifications.h"
#include "support/PageFixture.h"
#include "support/ToolWindow.h"

#include <QProcess>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

// Takes the main window through every page a user reaches, on a home that
// gives each tool something to find: junk, large files, duplicates, an
// AppImage with its settings, add-ons, a login item, a file to shred and a
// zip to extract. Each tool's pages come in the order a user meets them:
// the scan page idle and scanning, the result, the removal's report and the
// nothing-found page; the confirmations, the About dialog, the preferences
// and the PDF compressor too. visit(name, window) is called with each on screen, in the
// main window or a window of its own; the tour stops at the first step that
// fails (QTest::currentTestFailed()).
class PageTour
{
public:
    using Visit = std::function<void(const QString &page, QWidget *window)>;

    // Makes the home; the window to tour is made after it.
    PageTour() { writeHome(); }
    ~PageTour() { startOver(); }

    static void startOver()
    {
        ORJunkFilesCollection::shareInstance().startOver();
        ORBigDataCollection::shareInstance().startOver();
        ORDupDataCollection::shareInstance().startOver();
        ORAppDataCollection::shareInstance().startOver();
        ORExtDataCollection::shareInstance().startOver();
        ORShredOperation::shareInstance().startOver();
        ORFileDataCollection::shareInstance().startOver();
    }

    void run(ORMainWinController &window, const Visit &visit)
    {
        m_window = &window;
        m_visit = visit;
        open(sw::RemovalHistoryPage, QStringLiteral("History: nothing yet"));
        scanningTool(sw::JunkScanPage, QStringLiteral("Junk"), sw::JunkNothingPage);
        scanningTool(sw::LargeScanPage, QStringLiteral("Large Files"), sw::LargeNothingPage);
        scanningTool(sw::DupScanPage, QStringLiteral("Duplicates"), sw::DupNothingPage);
        scanningTool(sw::UninstallerPage, QStringLiteral("Uninstaller"));
        scanningTool(sw::ExtensionsPage, QStringLiteral("Extensions"));
        for (auto [tag, name] : {std::pair{sw::LoginItemsPage, "Login Items"},
                                 std::pair{sw::MemoryPage, "Memory"}, std::pair{sw::ToolboxPage, "Toolbox"}})
            if (!failed())
                open(tag, QString::fromLatin1(name));
        if (!failed())
            shredder();
        if (!failed())
            archives();
        if (!failed())
            history();
        if (!failed())
            windowsOfTheirOwn();
    }

private:
    static bool failed() { return QTest::currentTestFailed(); }
    // Lays out what was just shown, as the event loop would before painting.
    static void settle()
    {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }
    void see(const QString &page, QWidget *window = nullptr)
    {
        settle();
        m_visit(page, window ? window : m_window);
    }
    // A page's busy state, its circle turning, without work behind it.
    void seeBusy(const QString &page)
    {
        ORBaseViewCter *shown = m_window->tempViewCter();
        shown->or_Status(sw::PageBusy);
        auto *circle = shown->findChild<sw::BusyCircleSlot *>();
        QVERIFY(circle);
        circle->start(QStringLiteral("Working"));
        see(page);
        circle->stop();
        shown->or_Status(sw::PageIdle);
    }
    void open(qint64 tag, const QString &name)
    {
        QTest::mouseClick(m_window->buttonWithTag(tag), Qt::LeftButton);
        QCOMPARE(m_window->currentPage(), tag);
        see(name);
    }
    void waitFor(qint64 page) { QTRY_COMPARE_WITH_TIMEOUT(m_window->currentPage(), page, 30000); }

    // A closed sheet hands the keys back to the window, as the window manager would.
    void backToTheWindow()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    // Scan page idle and scanning, result, removal report, nothing found.
    void scanningTool(sw::PageNumber tag, const QString &name, sw::PageNumber nothingPage = sw::PageNumber(0))
    {
        if (failed())
            return;
        m_toolName = name;
        open(tag, name + QStringLiteral(": scan page"));
        auto *scan = qobject_cast<sw::ScanPage *>(m_window->tempViewCter());
        QVERIFY(scan);
        showScanning(scan, name);
        // Return starts the scan of any scan page, as a user's key would.
        backToTheWindow();
        QTest::keyClick(m_window, Qt::Key_Return);
        QVERIFY2(scan->isScanning(), qPrintable(name + QStringLiteral(": Return did not start the scan")));
        waitFor(tag + resultOffset(tag));
        auto *result = qobject_cast<sw::ResultPageBase *>(m_window->tempViewCter());
        QVERIFY(result);
        see(name + QStringLiteral(": results"));
        if (auto *modes = result->findChild<sw::SegmentedControl *>(QStringLiteral("segControlMode"))) {
            modes->button(1)->click();
            see(name + QStringLiteral(": results as previews"));
            modes->button(0)->click();
        }
        removeSomething(result);
        if (failed())
            return;
        see(name + QStringLiteral(": removal report"));
        seeBusy(name + QStringLiteral(": removing"));
        if (nothingPage) {
            m_window->next(nothingPage);
            see(name + QStringLiteral(": nothing found"));
        }
    }
    // The result page's distance from the scan page in the catalogue.
    static qint64 resultOffset(qint64 tag)
    {
        return tag == sw::DupScanPage || tag == sw::LargeScanPage ? 2 : 1;
    }
    // The scanning state with every text filled, without a scan behind it.
    void showScanning(sw::ScanPage *scan, const QString &name)
    {
        sw::ScanProgressPanel *panel = scan->progressPanel();
        panel->resetTexts();
        panel->startCircle();
        scan->or_Status(sw::PageBusy);
        panel->showFoundSize(QVariant(qint64(123456789)));
        panel->showItemCount(12345);
        panel->showPath(
            QVariant(m_home.home(QStringLiteral("Documents/a folder with a long name/and a file.txt"))));
        see(name + QStringLiteral(": scanning"));
        panel->stopCircle();
        scan->or_Status(sw::PageIdle);
    }
    // Ticks something when nothing is, confirms, and waits for the report.
    void removeSomething(sw::ResultPageBase *result)
    {
        if (!result->delBut()->isEnabled() && result->autoSelectButton()->isVisible())
            result->autoSelectButton()->click();
        for (int row = 0; !result->delBut()->isEnabled() && row < 10; ++row)
            result->groupButtonClick(row);
        QVERIFY(result->delBut()->isEnabled());
        result->delBut()->click();
        QTRY_VERIFY(result->alert() && result->alert()->isVisible());
        see(QStringLiteral("%1: confirmation").arg(m_toolName), result->alert());
        QVERIFY(answerSheet(result->alert(), true));
        backToTheWindow();
        auto *removal = qobject_cast<sw::RemovalPage *>(m_window->tempViewCter());
        QVERIFY(removal);
        QTRY_VERIFY_WITH_TIMEOUT(removal->completionBut()->isVisible(), 30000);
    }
    void shredder()
    {
        open(sw::ShredderPage, QStringLiteral("Shredder"));
        const QString secret = m_home.write(QStringLiteral("Documents/secret notes.txt"), "secret");
        ORNotificationCenter::defaultCenter().postNotification(sw::shrednote::kDropped,
                                                               QVariant(QStringList{secret}));
        see(QStringLiteral("Shredder: list"));
        auto *page = qobject_cast<ORShredViewCter *>(m_window->tempViewCter());
        QVERIFY(page && page->startBut()->isEnabled());
        page->startBut()->click();
        QTRY_VERIFY(page->alert() && page->alert()->isVisible());
        see(QStringLiteral("Shredder: confirmation"), page->alert());
        QVERIFY(answerSheet(page->alert(), true));
        backToTheWindow();
        waitFor(sw::ShredderRemovalPage);
        QTRY_VERIFY(static_cast<sw::RemovalPage *>(m_window->tempViewCter())->completionBut()->isVisible());
        see(QStringLiteral("Shredder: removal report"));
        seeBusy(QStringLiteral("Shredder: shredding"));
    }
    // The runs of the removals above; one that went to the Trash put back.
    void history()
    {
        open(sw::RemovalHistoryPage, QStringLiteral("History"));
        auto *page = qobject_cast<sw::HistoryPage *>(m_window->tempViewCter());
        QVERIFY(page);
        for (int row = 0; row < page->runList()->topLevelItemCount() && !page->putBackBut()->isEnabled(); ++row)
            page->runList()->setCurrentItem(page->runList()->topLevelItem(row));
        QVERIFY2(page->putBackBut()->isEnabled(), "no removal went to the Trash");
        page->putBackBut()->click();
        see(QStringLiteral("History: put back"));
    }
    void archives()
    {
        open(sw::ArchivesPage, QStringLiteral("Archives"));
        seeBusy(QStringLiteral("Archives: extracting"));
        ORNotificationCenter::defaultCenter().postNotification(sw::filenote::kDrop,
                                                               QVariant(QStringList{m_zip}));
        waitFor(sw::ArchivesResultPage);
        see(QStringLiteral("Archives: extracted files as icons"));
        auto *modes = m_window->tempViewCter()->findChild<sw::SegmentedControl *>();
        QVERIFY(modes);
        modes->button(1)->click();
        see(QStringLiteral("Archives: extracted files as a list"));
    }

    void windowsOfTheirOwn()
    {
        m_window->showAbout();
        QVERIFY(QTest::qWaitForWindowExposed(m_window->aboutDialog()));
        see(QStringLiteral("About"), m_window->aboutDialog());
        m_window->aboutDialog()->close();
        MASPreferencesWindowController preferences(
            {new GeneralPrefViewController, new SmartCleanPrefViewController, new KeepPrefViewController,
             new SchedulePrefViewController},
            QStringLiteral("Preferences"));
        preferences.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preferences));
        for (int pane = 0; pane < preferences.viewControllers().size(); ++pane) {
            preferences.selectControllerAtIndex(pane);
            see(QStringLiteral("Preferences: ") + preferences.selectedViewController()->identifier(),
                &preferences);
        }
        // The toolbox's PDF compressor, from the viewers plugin.
        sw::ViewerFactory *viewers = sw::viewerFactory();
        QVERIFY(viewers);
        QPointer<QWidget> compressor = viewers->makePdfCompressorWindow();
        compressor->show();
        QVERIFY(QTest::qWaitForWindowExposed(compressor));
        see(QStringLiteral("PDF compressor"), compressor);
        compressor->close(); // deletes itself
    }

    void writeHome()
    {
        for (const auto &[key, value] : ORPrefConfig::startupValues())
            ORPrefConfig::setObject(key, value);
        m_home.write(QStringLiteral(".cache/app-one/blob.bin"), QByteArray(3000, 'x'));
        m_home.write(QStringLiteral(".cache/app-two/data.bin"), QByteArray(5000, 'x'));
        m_home.write(QStringLiteral("Downloads/setup.iso"), QByteArray(9000, 'x'));
        m_home.writeLargeFiles();
        const QByteArray song = PageFixture::randomBytes(20000);
        m_home.write(QStringLiteral("Documents/song.mp3"), song);
        m_home.write(QStringLiteral("Music/song.mp3"), song);
        m_home.write(QStringLiteral("Applications/alpha.AppImage"), QByteArray(40 * 1024, 'a'));
        m_home.write(QStringLiteral(".config/alpha/settings.conf"), QByteArray(30 * 1024, 'c'));
        m_home.write(QStringLiteral("Applications/Mid.AppImage"), QByteArray(50 * 1024, 'm'));
        const QString shell = QStringLiteral(".local/share/gnome-shell/extensions/dash@example.org/");
        m_home.write(shell + QStringLiteral("metadata.json"),
                     R"({"uuid":"dash@example.org","name":"Dash Tweaks"})");
        m_home.write(shell + QStringLiteral("extension.js"), QByteArray(4000, 'j'));
        m_home.write(QStringLiteral(".mozilla/plugins/libflash.so"), QByteArray(6000, 'f'));
        m_home.write(
            QStringLiteral(".local/share/applications/chat.desktop"),
            "[Desktop Entry]\nType=Application\nName=Chat\nComment=Talk to friends\nExec=/opt/chat/chat\n");
        m_home.write(QStringLiteral(".config/autostart/chat.desktop"),
                     "[Desktop Entry]\nType=Application\nName=Chat\nExec=/opt/chat/chat\n");
        m_zip = makeZip();
    }
    // A zip of a note and a folder, made by the zip program.
    QString makeZip() const
    {
        const QString source = m_home.path(QStringLiteral("zip-source"));
        QDir().mkpath(source + QStringLiteral("/docs"));
        for (const QString &name : {QStringLiteral("note.txt"), QStringLiteral("docs/inner.txt")}) {
            QFile file(source + QLatin1Char('/') + name);
            if (file.open(QIODevice::WriteOnly))
                file.write("some text");
        }
        const QString zip = m_home.path(QStringLiteral("bundle.zip"));
        QProcess process;
        process.setWorkingDirectory(source);
        process.start(QStringLiteral("zip"), {QStringLiteral("-qr"), zip, QStringLiteral(".")});
        process.waitForFinished(60000);
        return zip;
    }

    PageFixture m_home;
    QString m_zip;
    ORMainWinController *m_window = nullptr;
    QString m_toolName;
    Visit m_visit;
};
