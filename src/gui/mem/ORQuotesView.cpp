// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mem/ORQuotesView.h"

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
    painter.fillPath(path, Qt::white);
    painter.setPen(QColor(0, 0, 0, 40));
    painter.drawPath(path);
}
