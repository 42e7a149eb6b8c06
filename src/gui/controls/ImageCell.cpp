// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ImageCell.h"

#include <QPainter>

#include <cmath>

ImageCell::ImageCell(QWidget *parent)
    : centered_textfield(parent)
{
    setSelectable(true);
}

void ImageCell::setImage(const QIcon &image)
{
    m_image = image;
    updateGeometry();
    update();
}

QRect ImageCell::imageRectForBounds(const QRect &bounds) const
{
    if (m_image.isNull())
        return QRect();
    const int top = bounds.top() + int(std::ceil((bounds.height() - kIconSize) / 2.0));
    return QRect(bounds.left() + kIconInset, top, kIconSize, kIconSize);
}

QRect ImageCell::titleRectForBounds(const QRect &bounds) const
{
    if (m_image.isNull())
        return centered_textfield::titleRectForBounds(bounds);
    return centered_textfield::titleRectForBounds(bounds.adjusted(kIconInset + kIconSize, 0, 0, 0));
}

QSize ImageCell::cellSize() const
{
    QSize size = centered_textfield::cellSize();
    size.rwidth() += (m_image.isNull() ? 0 : kIconSize) + kIconInset;
    if (!m_image.isNull())
        size.setHeight(qMax(size.height(), kIconSize));
    return size;
}

void ImageCell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect icon = imageRectForBounds(rect());
    if (icon.isValid())
        m_image.paint(&painter, icon);
    drawInterior(painter, rect());
}
