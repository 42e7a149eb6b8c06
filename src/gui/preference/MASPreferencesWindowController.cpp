// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/MASPreferencesWindowController.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORPrefConfig.h"
#include "gui/preference/PrefPane.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QRegularExpression>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolBar>

namespace {

const QString kSelectedKey = QStringLiteral("MASPreferences Selected Identifier View");
const QString kTopLeftKey = QStringLiteral("MASPreferences Frame Top Left");

QString frameKey(const PrefPane *pane)
{
    return QStringLiteral("MASPreferences %1 Frame").arg(pane->identifier());
}

// Points and rectangles are kept as "{x, y}" and "{{x, y}, {w, h}}".
QString pointString(QPoint p)
{
    return QStringLiteral("{%1, %2}").arg(p.x()).arg(p.y());
}

QString rectString(QRect r)
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QList<int> numbersIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    QList<int> out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out.append(it.next().captured().toInt());
    return out;
}

}  // namespace

MASPreferencesWindowController::MASPreferencesWindowController(const QList<PrefPane *> &viewControllers,
                                                               QWidget *parent)
    : MASPreferencesWindowController(viewControllers, QString(), parent)
{
}

MASPreferencesWindowController::MASPreferencesWindowController(const QList<PrefPane *> &viewControllers,
                                                               const QString &title, QWidget *parent)
    : QMainWindow(parent), m_viewControllers(viewControllers), m_title(title)
{
    setObjectName(QStringLiteral("preferencesWindow"));
    if (!title.isEmpty())
        setWindowTitle(title);
    auto *toolbar = m_toolbar = addToolBar(tr("Panes"));
    toolbar->setObjectName(QStringLiteral("preferencesToolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_toolbarItems = new QActionGroup(this);
    m_stack = new QStackedWidget(this);
    setCentralWidget(m_stack);
    for (PrefPane *pane : m_viewControllers) {
        m_stack->addWidget(pane);
        QAction *item = toolbar->addAction(pane->toolbarItemImage(), pane->toolbarItemLabel());
        item->setObjectName(pane->identifier());
        item->setCheckable(true);
        m_toolbarItems->addAction(item);
        connect(item, &QAction::triggered, this, [this, pane] { setSelectedViewController(pane); });
    }
    auto *next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, &MASPreferencesWindowController::goNextTab);
    // X11 and Wayland send Ctrl+Shift+Tab as Backtab with both modifiers,
    // yet match shortcuts by the key's unshifted symbol: Ctrl+Shift+Tab. A
    // key event made by hand (tests, input methods) carries Backtab itself.
    auto *previous = new QShortcut(this);
    previous->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(previous, &QShortcut::activated, this, &MASPreferencesWindowController::goPreviousTab);
    auto *close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    const QString stored = ORPrefConfig::stringForKey(kSelectedKey);
    PrefPane *first = m_viewControllers.isEmpty() ? nullptr : m_viewControllers.constFirst();
    for (PrefPane *pane : m_viewControllers)
        if (pane->identifier() == stored)
            first = pane;
    setSelectedViewController(first);
    if (const QList<int> p = numbersIn(ORPrefConfig::stringForKey(kTopLeftKey)); p.size() == 2)
        move(p.at(0), p.at(1));
    m_restoring = false;
}

void MASPreferencesWindowController::setSelectedViewController(PrefPane *pane)
{
    if (!pane || pane == m_selected)
        return;
    if (m_selected && !m_selected->commitEditing())
        return;
    PrefPane *old = m_selected;
    for (QAction *item : m_toolbarItems->actions())
        item->setChecked(item->objectName() == pane->identifier());
    if (m_title.isEmpty())
        setWindowTitle(pane->toolbarItemLabel());
    ORPrefConfig::setObject(kSelectedKey, pane->identifier());
    pane->viewWillAppear();
    m_selected = pane;
    m_stack->setCurrentWidget(pane);
    fitWindowTo(pane);
    if (old)
        old->viewDidDisappear();
    ORNotificationCenter::defaultCenter().postNotification(kDidChangeViewNotification);
}

// The window takes the pane's stored size, never below what the pane needs.
void MASPreferencesWindowController::fitWindowTo(PrefPane *pane)
{
    const bool restoring = m_restoring;
    m_restoring = true;
    QSize size = pane->sizeHint().expandedTo(pane->minimumSizeHint());
    if (const QList<int> r = numbersIn(ORPrefConfig::stringForKey(frameKey(pane))); r.size() == 4)
        size = size.expandedTo(QSize(r.at(2), r.at(3)));
    m_stack->setMinimumSize(pane->minimumSizeHint());
    resize(size + QSize(0, m_toolbar->sizeHint().height()));
    m_restoring = restoring;
}

void MASPreferencesWindowController::selectControllerAtIndex(int index)
{
    if (index >= 0 && index < m_viewControllers.size())
        setSelectedViewController(m_viewControllers.at(index));
}

void MASPreferencesWindowController::goNextTab()
{
    const int n = int(m_viewControllers.size());
    if (n > 0)
        selectControllerAtIndex((int(m_viewControllers.indexOf(m_selected)) + 1) % n);
}

void MASPreferencesWindowController::goPreviousTab()
{
    const int n = int(m_viewControllers.size());
    if (n > 0)
        selectControllerAtIndex((int(m_viewControllers.indexOf(m_selected)) + n - 1) % n);
}

void MASPreferencesWindowController::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (!m_restoring && isVisible())
        ORPrefConfig::setObject(kTopLeftKey, pointString(frameGeometry().topLeft()));
}

void MASPreferencesWindowController::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!m_restoring && isVisible() && m_selected)
        ORPrefConfig::setObject(frameKey(m_selected), rectString(QRect(QPoint(0, 0), m_stack->size())));
}

void MASPreferencesWindowController::closeEvent(QCloseEvent *event)
{
    if (m_selected && !m_selected->commitEditing())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}
