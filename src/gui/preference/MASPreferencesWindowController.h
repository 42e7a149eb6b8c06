// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/preference/PrefPane.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QActionGroup;
class QStackedWidget;
class QToolBar;

// The preferences window: a toolbar with one item per pane and the chosen
// pane below it. It remembers the last pane, its own top-left corner and
// each pane's size in the settings store, and cycles through the panes with
// Ctrl+Tab and Ctrl+Shift+Tab.
class MASPreferencesWindowController : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString kDidChangeViewNotification =
        QStringLiteral("MASPreferencesWindowControllerDidChangeViewNotification");

    MASPreferencesWindowController(const QList<PrefPane *> &viewControllers, const QString &title,
                                   QWidget *parent = nullptr);
    explicit MASPreferencesWindowController(const QList<PrefPane *> &viewControllers, QWidget *parent = nullptr);

    const QList<PrefPane *> &viewControllers() const { return m_viewControllers; }
    PrefPane *selectedViewController() const { return m_selected; }
    QString title() const { return m_title; }

    void setSelectedViewController(PrefPane *pane);
    void selectControllerAtIndex(int index);
    void goNextTab();
    void goPreviousTab();

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitWindowTo(PrefPane *pane);

    QList<PrefPane *> m_viewControllers;
    QString m_title;
    QPointer<PrefPane> m_selected;
    QStackedWidget *m_stack = nullptr;
    QToolBar *m_toolbar = nullptr;
    QActionGroup *m_toolbarItems = nullptr;
    bool m_restoring = true;  // no frame is stored while the window is being set up
};
