// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mem/ORQuotesView.h"

#include "gui/controls/ThemeColors.h"

#include <QPainter>
#include <QPainterPath>

ORQuotesView::ORQuotesView(QWidget *parent)
    : QWidget(parent)
{
}

void ORQuotesView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    painter.fillPath(path, sw::ThemeColors::of(sw::ThemeColors::Card));
    painter.setPen(sw::ThemeColors::of(sw::ThemeColors::ControlBorder));
    painter.drawPath(path);
}
