// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORDotView.h"

#include <QPainter>

ORDotView::ORDotView(QWidget *parent)
    : QWidget(parent)
{
}

void ORDotView::or_DotBackgroundColor(const QColor &color)
{
    m_color = color;
    update();
}

QSize ORDotView::sizeHint() const
{
    return QSize(10, 10);
}

// Always a circle, the largest that fits, whatever the view's proportions.
void ORDotView::paintEvent(QPaintEvent *)
{
    if (!m_color.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal diameter = qMin(width(), height());
    QRectF dot(0, 0, diameter, diameter);
    dot.moveCenter(QRectF(rect()).center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawEllipse(dot);
}
