// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ORMainWinController.h"

#include "core/platform/DesktopNotifier.h"
#include "gui/app/AboutDialog.h"
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
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

ORMainWinController::ORMainWinController(QWidget *parent) : ORMainWinController(sw::toolRegistry(), parent)
{
}

namespace {

// Keeps the sidebar as high as its buttons ask (more with a larger font,
// known once they are polished), so that its scroll area scrolls rather than
// squeeze them.
class TallAsItsButtons : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *sidebar = static_cast<QWidget *>(watched);
        if ((event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) && sidebar->layout())
            sidebar->setMinimumHeight(sidebar->layout()->sizeHint().height());
        return false;
    }
};

}  // namespace

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

    addShortcuts();
    setCentralWidget(central);

    setButtonsInitImage();
    setButtonsTag();
    initButtonArr();
    if (!m_tools.isEmpty())
        next(m_tools.first().entryPage);
    setStatusMenu();
    m_notifier = new sw::DesktopNotifier(this);
    connect(m_notifier, &sw::DesktopNotifier::activated, this,
            [this](const QVariant &page) { showToolOf(page.toLongLong()); });
}

ORMainWinController::~ORMainWinController() = default;

void ORMainWinController::addShortcuts()
{
    // The application's Preferences command.
    auto *preferences = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(preferences, &QShortcut::activated, this, &ORMainWinController::preferencesRequested);
    // The platform's standard keys, with the common ones where it names none
    // (Qt's Windows key scheme has no Quit).
    auto add = [this](QKeySequence::StandardKey standard, QKeySequence fallback, auto slot,
                      Qt::ShortcutContext context = Qt::WindowShortcut) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
        if (keys.isEmpty())
            keys.append(fallback);
        auto *shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        shortcut->setContext(context);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    // Quits, also when the tray would keep the program running after a close,
    // and from the program's other windows (About, Preferences).
    add(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q), &ORMainWinController::quitRequested,
        Qt::ApplicationShortcut);
    add(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1), &ORMainWinController::showAbout);
    add(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F), &ORMainWinController::focusSearchField);
}

QWidget *ORMainWinController::buildSidebar()
{
    auto *sidebar = new QWidget(this);
    sidebar->setObjectName(QStringLiteral("sidebar"));
    // 112 pixels, wider when a title needs it (set below, once the buttons
    // are in), and each button 60 high or as high as its image and title
    // need: a larger font (also one chosen while the program runs) or a
    // longer language cuts no title.
    sidebar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
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
        button->setIconSize(QSize(26, 26));
        button->setMinimumHeight(60);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setToolTip(tr(tool.title));
        connect(button, &QAbstractButton::clicked, this, [this, button] { changeViewCter(button); });
        column->addWidget(button);
        m_buttonArr.append(button);
    }
    column->addStretch(1);
    // Pages that widen for long names (a group list) take their room from
    // the pages' side, never from the sidebar's titles.
    sidebar->setMinimumWidth(std::max(112, sidebar->sizeHint().width()));
    // A window too low for every button at a large font scrolls the sidebar
    // (wheel, and Tab brings a button into view) rather than squeeze its
    // titles; no scroll bar, which would take its width from the titles.
    sidebar->installEventFilter(new TallAsItsButtons(sidebar));
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sidebarScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(sidebar);
    scroll->setMinimumWidth(sidebar->minimumWidth());
    scroll->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return scroll;
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

std::pair<const sw::ToolRow *, const sw::ToolPage *> ORMainWinController::findPage(qint64 page) const
{
    for (const sw::ToolRow &tool : m_tools)
        for (const sw::ToolPage &recipe : tool.pages)
            if (recipe.number == page)
                return {&tool, &recipe};
    return {nullptr, nullptr};
}

const sw::ToolPage *ORMainWinController::pageRecipe(qint64 page) const
{
    return findPage(page).second;
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

const sw::ToolRow *ORMainWinController::toolOf(qint64 page) const
{
    return findPage(page).first;
}

QString ORMainWinController::toolTitle(qint64 page) const
{
    const sw::ToolRow *tool = toolOf(page);
    return tool ? tr(tool->title) : QString();
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

void ORMainWinController::bringToFront()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void ORMainWinController::showToolOf(qint64 page)
{
    bringToFront();
    const sw::ToolRow *tool = toolOf(page);
    if (tool && toolOf(currentPage()) != tool && m_buttonsEnabled)
        openTool(*tool);
}

void ORMainWinController::showAbout()
{
    if (!m_about)
        m_about = new sw::AboutDialog(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

sw::AboutDialog *ORMainWinController::aboutDialog() const
{
    return m_about;
}

void ORMainWinController::focusSearchField()
{
    if (QLineEdit *field = m_tempViewCter ? m_tempViewCter->findField() : nullptr) {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    }
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
