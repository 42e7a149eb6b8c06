// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <chrono>

// The released-memory pop-up's window: frameless, transparent around its
// rounded content, above normal windows. A click anywhere in it, or Escape,
// closes it (and deletes it); so does the time given to closeAfter(), which
// starts again while the pointer rests on it.
class ORQuotesWindow : public QWidget
{
    Q_OBJECT

public:
    // A top-level window, or a child overlay of overlayParent when given
    // (for desktops that do not let a program place its windows).
    explicit ORQuotesWindow(QWidget *overlayParent = nullptr);

    void closeAfter(std::chrono::milliseconds shownFor);

signals:
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QTimer m_closeTimer;
};
