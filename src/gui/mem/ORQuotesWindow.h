#pragma once

#include <QWidget>

// The released-memory pop-up's window: frameless, transparent around its
// rounded content, above normal windows. A click anywhere in it, or Escape,
// closes it (and deletes it).
class ORQuotesWindow : public QWidget
{
    Q_OBJECT

public:
    // A top-level window, or a child overlay of overlayParent when given
    // (for desktops that do not let a program place its windows).
    explicit ORQuotesWindow(QWidget *overlayParent = nullptr);

signals:
    void closed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
