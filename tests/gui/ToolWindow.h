#pragma once

#include "ORMainWinController.h"
#include "SYFlatButton.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

// The main window as the tool tests drive it.
class ToolWindow
{
public:
    ToolWindow() { window.show(); }

    bool exposed() { return QTest::qWaitForWindowExposed(&window); }
    // Makes the page if the window has not yet.
    template <class Page>
    Page *page(qint64 number)
    {
        return qobject_cast<Page *>(window.pageController(number));
    }
    void clickSidebar(qint64 tag) { QTest::mouseClick(window.buttonWithTag(tag), Qt::LeftButton); }
    bool sidebarEnabled() const { return window.buttonWithTag(1)->isEnabled(); }
    qint64 currentPage() const { return window.currentPage(); }

    ORMainWinController window;
};

// Presses the button of a confirmation sheet that has that text, once the
// sheet is up; answers whether it found both.
inline bool answerSheet(QMessageBox *alert, const QString &text)
{
    if (!QTest::qWaitFor([alert] { return alert && alert->isVisible(); }))
        return false;
    for (QAbstractButton *button : alert->buttons())
        if (button->text() == text) {
            button->click();
            return true;
        }
    return false;
}
