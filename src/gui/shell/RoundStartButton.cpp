// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RoundStartButton.h"

#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"

#include <QFocusEvent>
#include <QPainter>

namespace sw {

namespace {

constexpr int kRingWidth = 3;

}  // namespace

RoundStartButton::RoundStartButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kDiameter, kDiameter);
    // The ring is painted by paintEvent, so no focus state in the sheet. A
    // radius of half the side or more leaves the background square.
    ThemeFollower::style(
        this, QStringLiteral("QPushButton { background:@accent; color:@onAccent; border:6px solid "
                             "@accentRing; border-radius:%1px;"
                             " font-size:22px; font-weight:600; outline:none; }"
                             "QPushButton:hover { background:@accentHover; }"
                             "QPushButton:disabled { background:@accentDisabled; color:@onAccentDisabled; }")
                  .arg(kDiameter / 2 - 1));
}

void RoundStartButton::focusInEvent(QFocusEvent *event)
{
    QPushButton::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    m_ring = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
    update();
}

void RoundStartButton::focusOutEvent(QFocusEvent *event)
{
    QPushButton::focusOutEvent(event);
    m_ring = false;
    update();
}

void RoundStartButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_ring || !hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ThemeColors::of(ThemeColors::AccentHover), kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2.0 + 0.5;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace sw
