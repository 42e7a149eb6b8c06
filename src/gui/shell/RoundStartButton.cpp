// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RoundStartButton.h"

#include "gui/shell/PageStyle.h"

#include <QFocusEvent>
#include <QPainter>

namespace sw {

namespace {

const QColor kRing(55, 154, 2);
constexpr int kRingWidth = 3;

}  // namespace

RoundStartButton::RoundStartButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kDiameter, kDiameter);
    // The ring is painted by paintEvent, so no focus state in the sheet. A
    // radius of half the side or more leaves the background square.
    setStyleSheet(QStringLiteral(
        "QPushButton { background:%1; color:white; border:6px solid #d9f1c9; border-radius:%3px;"
        " font-size:22px; font-weight:600; outline:none; }"
        "QPushButton:hover { background:%2; }"
        "QPushButton:disabled { background:#c9d3c2; color:#f4f6f2; }")
                      .arg(QLatin1String(PageStyle::kGreen), QLatin1String(PageStyle::kGreenDark))
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
    painter.setPen(QPen(kRing, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2.0 + 0.5;
    painter.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace sw
