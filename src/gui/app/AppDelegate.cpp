// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/AppDelegate.h"

#include "core/foundation/AutostartEntries.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/foundation/ORUtility.h"
#include "core/mem/MemoryMonitor.h"
#include "core/platform/ORLayout.h"
#include "gui/app/ORMainWinController.h"
#include "gui/dups/ORDupViewCter.h"
#include "gui/preference/GeneralPrefViewController.h"
#include "gui/preference/KeepPrefViewController.h"
#include "gui/preference/MASPreferencesWindowController.h"
#include "gui/preference/SchedulePrefViewController.h"
#include "gui/preference/SmartCleanPrefViewController.h"
#include "gui/shell/PageNumber.h"

#include <QApplication>
#include <QMessageBox>
#include <QSystemTrayIcon>

#include <unistd.h>

AppDelegate::AppDelegate(QObject *parent) : QObject(parent)
{
}

AppDelegate::~AppDelegate()
{
    delete m_preferencesWindowController;
    delete m_mainWinController;
}

void AppDelegate::applicationDidFinishLaunching()
{
    showMainWin();
    ORPrefConfig::registerDefaults(ORPrefConfig::archiveDefaults());
    setPreferenceValue();
    setUpAutoStart();
    // The memory clock runs from here when automatic release is on, whether
    // or not the memory page is ever opened.
    sw::MemoryMonitor::shareInstance().preferencesChanged();
}

void AppDelegate::showMainWin()
{
    if (!m_mainWinController) {
        m_mainWinController = new ORMainWinController;
        connect(m_mainWinController, &ORMainWinController::openMainWindowRequested, this,
                [this] { applicationShouldHandleReopen(m_mainWinController->isVisible()); });
        connect(m_mainWinController, &ORMainWinController::quitRequested, qApp, &QCoreApplication::quit);
        connect(m_mainWinController, &ORMainWinController::preferencesRequested, this, &AppDelegate::prefMenuDidClick);
        connect(m_mainWinController, &ORMainWinController::releaseMemoryRequested, this,
                [] { sw::MemoryMonitor::shareInstance().freeMemory(); });
        // A release, from the tray or automatic, shows on the memory page and
        // its pop-up, shown or not: the page is made when it has not been yet.
        connect(&sw::MemoryMonitor::shareInstance(), &sw::MemoryMonitor::releaseStarted, m_mainWinController,
                [window = m_mainWinController.data()] { window->pageController(sw::MemoryPage); });
        // Without a tray item nothing could bring a closed window back, so
        // closing it ends the program then.
        qApp->setQuitOnLastWindowClosed(!QSystemTrayIcon::isSystemTrayAvailable());
        if (geteuid() == 0)
            m_mainWinController->showNotice(
                tr("Sweepwright is running as root. It never needs to: run it as the user whose files it cleans."));
    }
    m_mainWinController->bringToFront();
}

bool AppDelegate::applicationShouldHandleReopen(bool hasVisibleWindows)
{
    if (hasVisibleWindows && !m_mainWinController->isMinimized()) {
        m_mainWinController->raise();
        m_mainWinController->activateWindow();
        return false;
    }
    showMainWin();
    return true;
}

// A value the user chose in the preferences is kept: only switches that
// hold no value yet get their start-up value.
void AppDelegate::setPreferenceValue()
{
    ORPrefConfig::setMissingObjects(ORPrefConfig::startupValues());
}

void AppDelegate::prefMenuDidClick()
{
    if (!m_preferencesWindowController)
        m_preferencesWindowController = new MASPreferencesWindowController(
            {new GeneralPrefViewController, new SmartCleanPrefViewController, new KeepPrefViewController,
             new SchedulePrefViewController}, tr("Preferences"));
    m_preferencesWindowController->show();
    m_preferencesWindowController->raise();
    m_preferencesWindowController->activateWindow();
}

void AppDelegate::setUpAutoStart()
{
    const bool registered = sw::AutostartEntries().contains(QString::fromLatin1(sw::kAppName));
    const QString appPath = QCoreApplication::applicationFilePath();
    const bool wanted = ORPrefConfig::autostartEnable();
    if (!wanted && registered)
        ORUtility::deleteLoginItem(appPath);
    else if (wanted && !registered)
        ORUtility::addLoginItem(appPath, QString::fromLatin1(sw::kAppName));
}

void AppDelegate::openSavedResult(const QString &path)
{
    if (path.isEmpty())
        return;
    showMainWin();
    ORMainWinController *window = m_mainWinController;
    window->showToolOf(sw::DupScanPage);
    auto *page = qobject_cast<ORDupViewCter *>(window->pageController(sw::DupScanPage));
    if (page && window->currentPage() == sw::DupScanPage && !page->isScanning()) {
        page->openResultFile(path);
        return;
    }
    auto *sheet = new QMessageBox(QMessageBox::Information, tr("Open a Saved Result"),
                                  tr("%1 was not opened: Duplicates is busy with another result. Start over there, "
                                     "then open it from the folder page.")
                                      .arg(path),
                                  QMessageBox::Ok, window);
    sheet->setObjectName(QStringLiteral("savedResultBusySheet"));
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}
