// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/ORMainWinController.h"
#include "gui/controls/SYFlatButton.h"
#include "gui/shell/RemovalDetailsDialog.h"
#include "gui/shell/RemovalPage.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
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
    bool sidebarEnabled() const { return window.buttonWithTag(sw::JunkScanPage)->isEnabled(); }
    qint64 currentPage() const { return window.currentPage(); }

    ORMainWinController window;
};

// Presses the button of a sheet that has that text, once the sheet is up;
// answers whether it found both.
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

// Answers a removal's confirmation once it is up: its action button, or Cancel.
inline bool answerSheet(QMessageBox *alert, bool confirm)
{
    if (!QTest::qWaitFor([alert] { return alert && alert->isVisible(); }))
        return false;
    for (QAbstractButton *button : alert->buttons())
        if (alert->buttonRole(button) == (confirm ? QMessageBox::AcceptRole : QMessageBox::RejectRole)) {
            button->click();
            return true;
        }
    return false;
}

// What a removal page's Details lists as gone, each by the last `parts`
// components of its path, sorted; the dialog is closed again.
inline QStringList removedInDetails(sw::RemovalPage *page, int parts)
{
    page->detailsBut()->click();
    sw::RemovalDetailsDialog *details = page->detailsDialog();
    QStringList rows;
    static const QRegularExpression gone(QStringLiteral("^(Removed|Deleted|Moved to the Trash|Shredded) \\("));
    for (int row = 0; details && row < details->table()->rowCount(); ++row)
        if (gone.match(details->table()->item(row, 1)->text()).hasMatch())
            rows.append(details->table()->item(row, 0)->text().section(QLatin1Char('/'), -parts));
    if (details)
        details->close();
    rows.sort();
    return rows;
}
