// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ORMainWinController.h"

#include "gui/controls/ORImage.h"
#include "gui/controls/SYFlatButton.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

ORMainWinController::ORMainWinController(QWidget *parent) : ORMainWinController(sw::toolRegistry(), parent)
{
}

ORMainWinController::ORMainWinController(sw::ToolRegistry tools, QWidget *parent)
    : QMainWindow(parent), m_tools(std::move(tools))
{
    setWindowTitle(QStringLiteral("Sweepwright"));
    setWindowIcon(ORImage::icon(QStringLiteral("org.sweepwright.Sweepwright")));
    resize(1100, 720);
    setMinimumSize(980, 640);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralView"));
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(buildSidebar());

    auto *contentColumn = new QVBoxLayout;
    contentColumn->setContentsMargins(0, 0, 0, 0);
    contentColumn->setSpacing(0);
    m_notice = new QLabel(central);
    m_notice->setObjectName(QStringLiteral("noticeLabel"));
    sw::ThemeFollower::style(m_notice,
                             QStringLiteral("background:@notice; color:@noticeText; padding:6px 12px;"));
    m_notice->hide();
    contentColumn->addWidget(m_notice);
    m_baseView = new QWidget(central);
    m_baseView->setObjectName(QStringLiteral("baseView"));
    sw::ThemeFollower::style(m_baseView, QStringLiteral("#baseView { background: @surface; }"));
    m_baseView->setAutoFillBackground(true);
    m_baseLayout = new QVBoxLayout(m_baseView);
    m_baseLayout->setContentsMargins(0, 0, 0, 0);
    contentColumn->addWidget(m_baseView, 1);
    row->addLayout(contentColumn, 1);

    // The application's Preferences command.
    auto *preferences = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(preferences, &QShortcut::activated, this, &ORMainWinController::preferencesRequested);
    setCentralWidget(central);

    setButtonsInitImage();
    setButtonsTag();
    initButtonArr();
    if (!m_tools.isEmpty())
        next(m_tools.first().entryPage);
    setStatusMenu();
}

ORMainWinController::~ORMainWinController() = default;

QWidget *ORMainWinController::buildSidebar()
{
    auto *sidebar = new QWidget(this);
    sidebar->setObjectName(QStringLiteral("sidebar"));
    sidebar->setFixedWidth(112);
    sidebar->setAttribute(Qt::WA_StyledBackground);
    sw::ThemeFollower::style(
        sidebar, QStringLiteral("#sidebar { background: @sidebar; border-right: 1px solid @border; }"));
    auto *column = new QVBoxLayout(sidebar);
    column->setContentsMargins(8, 10, 8, 10);
    column->setSpacing(4);
    for (const sw::ToolRow &tool : m_tools) {
        auto *button = new SYFlatButton(tr(tool.title), sidebar);
        button->setObjectName(QString::fromLatin1(tool.objectName));
        button->setImagePosition(SYFlatButton::ImageAbove);
        button->setCheckable(true);
        button->setMomentary(false);
        button->setSpacing(4);
        button->setCornerRadius(8);
        button->setOnAnimateDuration(0.15);
        button->setOffAnimateDuration(0.15);
        button->setFixedHeight(60);
        button->setIconSize(QSize(26, 26));
        button->setToolTip(tr(tool.title));
        connect(button, &QAbstractButton::clicked, this, [this, button] { changeViewCter(button); });
        column->addWidget(button);
        m_buttonArr.append(button);
    }
    column->addStretch(1);
    return sidebar;
}

void ORMainWinController::addPage(qint64 number, ORBaseViewCter *page)
{
    page->setObjectName(QString::fromLatin1(page->metaObject()->className()));
    page->hide();
    // Takes the focus when shown, so hiding the previous page does not hand it
    // to a sidebar button (which would then wear the keyboard focus ring).
    page->setFocusPolicy(Qt::ClickFocus);
    m_pages.insert(number, page);
}

const sw::ToolPage *ORMainWinController::pageRecipe(qint64 page) const
{
    for (const sw::ToolRow &tool : m_tools)
        for (const sw::ToolPage &recipe : tool.pages)
            if (recipe.number == page)
                return &recipe;
    return nullptr;
}

ORBaseViewCter *ORMainWinController::pageController(qint64 page)
{
    if (ORBaseViewCter *built = m_pages.value(page))
        return built;
    const sw::ToolPage *recipe = pageRecipe(page);
    if (!recipe)
        return nullptr;
    ORBaseViewCter *made = recipe->make(this, m_baseView);
    addPage(page, made);
    return made;
}

void ORMainWinController::setButtonsInitImage()
{
    for (qsizetype i = 0; i < m_buttonArr.size(); ++i)
        m_buttonArr[i]->setIcon(ORImage::icon(QString::fromLatin1(m_tools[i].image)));
}

void ORMainWinController::setButtonsTag()
{
    for (qsizetype i = 0; i < m_buttonArr.size(); ++i)
        m_buttonArr[i]->setProperty("tag", qint64(m_tools[i].entryPage));
}

void ORMainWinController::initButtonArr()
{
    for (SYFlatButton *button : std::as_const(m_buttonArr))
        sw::ThemeFollower::follow(button, [button] { paintSidebarButton(button); });
    setButtonsEnable(true);
}

void ORMainWinController::paintSidebarButton(SYFlatButton *button)
{
    using sw::ThemeColors;
    button->setBackgroundNormalColor(Qt::transparent);
    button->setBackgroundHighlightColor(ThemeColors::of(ThemeColors::Accent));
    button->setTitleNormalColor(ThemeColors::of(ThemeColors::SidebarText));
    button->setTitleHighlightColor(ThemeColors::of(ThemeColors::OnAccent));
    button->setImageNormalColor(ThemeColors::of(ThemeColors::SidebarText));
    button->setImageHighlightColor(ThemeColors::of(ThemeColors::OnAccent));
    button->setBorderNormalColor(Qt::transparent);
    button->setBorderHighlightColor(Qt::transparent);
}

bool ORMainWinController::toolHasPages(const sw::ToolRow &tool) const
{
    return pageRecipe(tool.entryPage) != nullptr;
}

const sw::ToolRow *ORMainWinController::toolWithEntry(qint64 page) const
{
    for (const sw::ToolRow &tool : m_tools)
        if (tool.entryPage == page)
            return &tool;
    return nullptr;
}

SYFlatButton *ORMainWinController::buttonWithTag(qint64 tag) const
{
    for (SYFlatButton *button : m_buttonArr)
        if (button->property("tag").toLongLong() == tag)
            return button;
    return nullptr;
}

qint64 ORMainWinController::currentPage() const
{
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it)
        if (it.value() == m_tempViewCter)
            return it.key();
    return 0;
}

void ORMainWinController::changeViewCter(SYFlatButton *sender)
{
    if (!m_buttonsEnabled)
        return;
    next(sender->property("tag").toLongLong());
}

void ORMainWinController::next(qint64 page)
{
    if (!pageRecipe(page))
        return;  // not a page of the catalogue (or of a tool without pages)
    if (const sw::ToolRow *tool = toolWithEntry(page)) {
        openTool(*tool);
        return;
    }
    // A page inside a tool: the sidebar keeps the tool already selected.
    or_AddSubView(pageController(page));
}

void ORMainWinController::openTool(const sw::ToolRow &tool)
{
    // The result page is only made when there is a result to show on it.
    ORBaseViewCter *result = tool.entry == sw::ToolEntry::ReopenResult && tool.holdsResult && tool.holdsResult()
                                 ? pageController(tool.resultPage)
                                 : nullptr;
    if (result) {
        or_AddSubView(result);  // shown as it was left, not reset
    } else {
        ORBaseViewCter *entry = pageController(tool.entryPage);
        or_AddSubView(entry);
        if (tool.entry != sw::ToolEntry::Show)
            entry->or_Status(sw::PageIdle);
    }
    buttonCellColorWithIndex(tool.entryPage);
}

void ORMainWinController::or_AddSubView(ORBaseViewCter *page)
{
    if (!page)
        return;
    if (m_tempViewCter && m_tempViewCter != page) {
        m_baseLayout->removeWidget(m_tempViewCter);
        m_tempViewCter->hide();
    }
    m_tempViewCter = page;
    page->viewWillAppear();
    if (m_baseLayout->indexOf(page) < 0)
        m_baseLayout->addWidget(page);
    page->show();
    if (QWidget *focus = QApplication::focusWidget(); !focus || !page->isAncestorOf(focus))
        page->setFocus(Qt::OtherFocusReason);
    page->viewDidAppear();
}

void ORMainWinController::buttonCellColorWithIndex(qint64 page)
{
    m_selectedTag = page;
    for (SYFlatButton *button : std::as_const(m_buttonArr))
        button->setChecked(button->property("tag").toLongLong() == page);
}

void ORMainWinController::butEnable(bool enable)
{
    setButtonsEnable(enable);
}

void ORMainWinController::setButtonsEnable(bool enable)
{
    m_buttonsEnabled = enable;
    // A tool without pages keeps its button disabled.
    for (qsizetype i = 0; i < m_buttonArr.size(); ++i)
        m_buttonArr[i]->setEnabled(enable && toolHasPages(m_tools[i]));
}

void ORMainWinController::showNotice(const QString &text)
{
    m_notice->setText(text);
    m_notice->setVisible(!text.isEmpty());
}

void ORMainWinController::setStatusMenu()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_statusMenu = new QMenu(this);
    QAction *open = m_statusMenu->addAction(tr("Open Sweepwright"));
    connect(open, &QAction::triggered, this, &ORMainWinController::openMainWindowRequested);
    QAction *release = m_statusMenu->addAction(tr("Release Memory"));
    connect(release, &QAction::triggered, this, &ORMainWinController::releaseMemoryRequested);
    QAction *preferences = m_statusMenu->addAction(tr("Preferences…"));
    connect(preferences, &QAction::triggered, this, &ORMainWinController::preferencesRequested);
    m_statusMenu->addSeparator();
    QAction *quit = m_statusMenu->addAction(tr("Quit Sweepwright"));
    connect(quit, &QAction::triggered, this, &ORMainWinController::quitRequested);
    m_statusItem = new QSystemTrayIcon(ORImage::icon(QStringLiteral("stIconTemplate")), this);
    m_statusItem->setToolTip(QStringLiteral("Sweepwright"));
    m_statusItem->setContextMenu(m_statusMenu);
    connect(m_statusItem, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            emit openMainWindowRequested();
    });
    m_statusItem->show();
}

void ORMainWinController::closeEvent(QCloseEvent *event)
{
    // With a tray item the process lives on and the item brings the window back;
    // without one nothing could, so closing the window ends the program, even
    // while another of its windows (the preferences) is open.
    event->accept();
    if (!m_statusItem)
        emit quitRequested();
}
