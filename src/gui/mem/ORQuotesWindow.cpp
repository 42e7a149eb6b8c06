#include "ORQuotesWindow.h"

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
