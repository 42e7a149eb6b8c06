// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mem/ORQuotesWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>

ORQuotesWindow::ORQuotesWindow(QWidget *overlayParent)
    : QWidget(overlayParent,
              overlayParent ? Qt::Widget
                            : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                  | Qt::NoDropShadowWindowHint)
{
    setObjectName(QStringLiteral("ORQuotesWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &QWidget::close);
}

void ORQuotesWindow::closeAfter(std::chrono::milliseconds shownFor)
{
    m_closeTimer.start(shownFor);
}

// Someone reading it keeps it; the time counts again once the pointer leaves.
void ORQuotesWindow::enterEvent(QEnterEvent *event)
{
    m_closeTimer.stop();
    QWidget::enterEvent(event);
}

void ORQuotesWindow::leaveEvent(QEvent *event)
{
    if (m_closeTimer.interval() > 0)
        m_closeTimer.start();
    QWidget::leaveEvent(event);
}

void ORQuotesWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}

void ORQuotesWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape closes only the pop-up, never the application.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ORQuotesWindow::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}
