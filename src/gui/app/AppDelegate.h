// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include "gui/app/ORMainWinController.h"
#include "gui/preference/MASPreferencesWindowController.h"

// Start-up and the life of the main window: shows the window, registers the
// archive defaults, writes the start-up values of the settings the user has
// not set and makes the login item match the "autostart" setting. It ties
// the window's tray to the memory engine.
class AppDelegate : public QObject
{
    Q_OBJECT
public:
    explicit AppDelegate(QObject *parent = nullptr);
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    // Creates or revives the main window and brings it to the front.
    void showMainWin();
    // The user started the program again or clicked the tray item: show the
    // window when none is visible; answers whether it did.
    bool applicationShouldHandleReopen(bool hasVisibleWindows);

    void setPreferenceValue();
    void setUpAutoStart();
    // Opens the preferences window, made on first use and kept.
    void prefMenuDidClick();
    // A saved duplicate result (sweepwright --open-result): opened from the
    // duplicate finder's folder page; while that tool is busy with another
    // result or a job, the user is told instead, and nothing of it is lost.
    void openSavedResult(const QString &path);

    ORMainWinController *mainWinController() const { return m_mainWinController; }
    MASPreferencesWindowController *preferencesWindowController() const { return m_preferencesWindowController; }

private:
    QPointer<ORMainWinController> m_mainWinController;
    QPointer<MASPreferencesWindowController> m_preferencesWindowController;
};
