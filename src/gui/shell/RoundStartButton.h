// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace sw {

// The big round button that starts a scan. Focused from the keyboard (Tab,
// a shortcut) it wears a round ring in the page's green; a mouse click
// leaves no ring, and the style's square focus frame is never drawn.
class RoundStartButton : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int kDiameter = 132;

    explicit RoundStartButton(const QString &text, QWidget *parent = nullptr);

    bool showsFocusRing() const { return m_ring; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_ring = false;
};

}  // namespace sw
