// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>

class ORQuotesWindow;
class QLabel;
class QWidget;

// The pop-up that shows how much memory a release gave back: "Released
// Memory" above the amount, number and unit apart. It sits at the top right
// of the screen; where the desktop does not let a program place its windows
// (Wayland) it sits at the top right of the main window instead. It goes
// by itself after kShownFor, or when clicked; each release makes its own.
class ORQuotesWinCter : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kShownFor{5};

    // mainWindow: where the pop-up goes when it cannot be placed on the screen.
    explicit ORQuotesWinCter(QWidget *mainWindow, QObject *parent = nullptr);
    ~ORQuotesWinCter() override;

    void showWindow();
    // Null once the user closed it.
    ORQuotesWindow *window() const { return m_window; }

    QLabel *infoTextField = nullptr;
    QLabel *contentTextField = nullptr;
    QLabel *contentUnitTextField = nullptr;

    // Whether windows of this desktop can be placed by the program.
    static bool canPlaceWindows();

private:
    void place();

    QPointer<QWidget> m_mainWindow;
    QPointer<ORQuotesWindow> m_window;
};
