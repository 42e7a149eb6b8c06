// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/ToolRegistry.h"
#include "gui/shell/ORBasedViewCterDelegate.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <utility>

class ORBaseViewCter;
namespace sw {
class AboutDialog;
}
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QVBoxLayout;
class SYFlatButton;

namespace sw {
class DesktopNotifier;
}

// The one main window: a sidebar of tool buttons and a content area that shows
// one page at a time. Pages ask for each other by number through next(); the
// sidebar's tag is the number of its tool's first page. The tools, their
// buttons, pages and entry rules come from a registry (sw::toolRegistry() by
// default). A page is made the first time it is shown or asked for, so the
// window shows without waiting for the pages that are not on screen; once
// made, it lives as long as the window.
class ORMainWinController : public QMainWindow, public ORBasedViewCterDelegate
{
    Q_OBJECT
public:
    explicit ORMainWinController(QWidget *parent = nullptr);
    explicit ORMainWinController(sw::ToolRegistry tools, QWidget *parent = nullptr);
    ~ORMainWinController() override;

    void next(qint64 page) override;
    void butEnable(bool enable) override;
    void setButtonsEnable(bool enable);

    // The page shown and its number (0 before the first page).
    ORBaseViewCter *tempViewCter() const { return m_tempViewCter; }
    qint64 currentPage() const;
    // The page with that number, made now if it was not yet; nullptr for a
    // number no tool has a page for.
    ORBaseViewCter *pageController(qint64 page) override;
    // Whether that page has been made.
    bool pageIsBuilt(qint64 page) const { return m_pages.contains(page); }
    const QList<SYFlatButton *> &buttonArr() const { return m_buttonArr; }
    SYFlatButton *buttonWithTag(qint64 tag) const;
    qint64 selectedTag() const { return m_selectedTag; }
    QSystemTrayIcon *statusItem() const { return m_statusItem; }

    // Shows a line above the pages (for example when running as root).
    void showNotice(const QString &text);
    // Opens the About dialog (F1), made when not open; nullptr while it is not.
    void showAbout();
    sw::AboutDialog *aboutDialog() const;
    // Puts the keys in the shown page's search field (Ctrl+F), if it has one.
    void focusSearchField();

    QString toolTitle(qint64 page) const override;
    sw::DesktopNotifier *desktopNotifier() override { return m_notifier; }
    // Shows the window, not minimised, in front of the others.
    void bringToFront();
    // Brings the window to the front on the tool that page belongs to: as
    // it was left when that tool is on screen, else as its sidebar button
    // opens it (unless a job holds the sidebar). A click on a notification
    // of that tool lands here.
    void showToolOf(qint64 page);

signals:
    void openMainWindowRequested();
    void preferencesRequested();
    void releaseMemoryRequested();  // the tray's Release Memory
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setButtonsInitImage();
    void setButtonsTag();
    void initButtonArr();
    static void paintSidebarButton(SYFlatButton *button);
    void setStatusMenu();
    void changeViewCter(SYFlatButton *sender);
    void or_AddSubView(ORBaseViewCter *page);
    void buttonCellColorWithIndex(qint64 page);
    void addPage(qint64 number, ORBaseViewCter *page);
    // The tool that has the page with that number, and the page; nulls when none has it.
    std::pair<const sw::ToolRow *, const sw::ToolPage *> findPage(qint64 page) const;
    const sw::ToolPage *pageRecipe(qint64 page) const;
    bool toolHasPages(const sw::ToolRow &tool) const;
    const sw::ToolRow *toolWithEntry(qint64 page) const;
    const sw::ToolRow *toolOf(qint64 page) const;
    void openTool(const sw::ToolRow &tool);
    QWidget *buildSidebar();
    void addShortcuts();

    const sw::ToolRegistry m_tools;
    QWidget *m_baseView = nullptr;
    QVBoxLayout *m_baseLayout = nullptr;
    QLabel *m_notice = nullptr;
    QMap<qint64, ORBaseViewCter *> m_pages;
    QList<SYFlatButton *> m_buttonArr;
    ORBaseViewCter *m_tempViewCter = nullptr;
    qint64 m_selectedTag = 0;
    bool m_buttonsEnabled = true;
    QSystemTrayIcon *m_statusItem = nullptr;
    QMenu *m_statusMenu = nullptr;
    sw::DesktopNotifier *m_notifier = nullptr;
    QPointer<sw::AboutDialog> m_about;
};
