// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mem/ORQuotesWinCter.h"

#include "gui/mem/ORQuotesView.h"
#include "gui/mem/ORQuotesWindow.h"
#include "gui/shell/PageStyle.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kWidth = 220;
constexpr int kHeight = 96;
constexpr int kRightGap = 5;
constexpr int kTopGap = 25;
}  // namespace

ORQuotesWinCter::ORQuotesWinCter(QWidget *mainWindow, QObject *parent)
    : QObject(parent)
    , m_mainWindow(mainWindow)
{
    QWidget *overlay = !canPlaceWindows() && mainWindow ? mainWindow->window() : nullptr;
    m_window = new ORQuotesWindow(overlay);
    m_window->resize(kWidth, kHeight);
    // The controller goes with its window: a click ends both.
    connect(m_window.data(), &ORQuotesWindow::closed, this, &QObject::deleteLater);
    auto *view = new ORQuotesView(m_window);
    auto *outer = new QVBoxLayout(m_window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(view);

    auto *column = new QVBoxLayout(view);
    column->setContentsMargins(16, 10, 16, 10);
    infoTextField = sw::PageStyle::muted(QString(), view, 12);
    infoTextField->setObjectName(QStringLiteral("infoTextField"));
    infoTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(infoTextField);
    auto *amount = new QHBoxLayout;
    contentTextField = new QLabel(view);
    contentTextField->setObjectName(QStringLiteral("contentTextField"));
    contentUnitTextField = new QLabel(view);
    contentUnitTextField->setObjectName(QStringLiteral("contentUnitTextField"));
    sw::PageStyle::styleSizeLabels(contentTextField, contentUnitTextField, 26);
    amount->addStretch(1);
    amount->addWidget(contentTextField, 0, Qt::AlignBaseline);
    amount->addWidget(contentUnitTextField, 0, Qt::AlignBaseline);
    amount->addStretch(1);
    column->addLayout(amount);
}

ORQuotesWinCter::~ORQuotesWinCter()
{
    if (m_window)
        m_window->close();
}

bool ORQuotesWinCter::canPlaceWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void ORQuotesWinCter::showWindow()
{
    if (!m_window)
        return;
    place();
    m_window->show();
    m_window->raise();
    m_window->closeAfter(kShownFor);
}

void ORQuotesWinCter::place()
{
    if (m_window->isWindow()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 800);
        m_window->move(area.x() + area.width() - m_window->width() - kRightGap, area.y() + kTopGap);
        return;
    }
    const QWidget *host = m_window->parentWidget();
    m_window->move(host->width() - m_window->width() - kRightGap, kTopGap);
}
