#pragma once

#include <QObject>
#include <QPointer>

#include "ORMainWinController.h"

// Start-up and the life of the main window: shows the window, registers the
// archive defaults, writes the start-up values of the settings and makes the
// login item match the "autostart" setting.
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

    ORMainWinController *mainWinController() const { return m_mainWinController; }

private:
    QPointer<ORMainWinController> m_mainWinController;
};
