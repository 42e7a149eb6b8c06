// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/app/ToolRegistry.h"
#include "gui/shell/ORBasedViewCterDelegate.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

class ORBaseViewCter;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class QVBoxLayout;
class SYFlatButton;

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
    const sw::ToolPage *pageRecipe(qint64 page) const;
    bool toolHasPages(const sw::ToolRow &tool) const;
    const sw::ToolRow *toolWithEntry(qint64 page) const;
    void openTool(const sw::ToolRow &tool);
    QWidget *buildSidebar();

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
};
