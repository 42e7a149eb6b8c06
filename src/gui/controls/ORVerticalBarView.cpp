// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORVerticalBarView.h"

#include <QPainter>
#include <QPainterPath>

#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ORVerticalBarViewDelegate.h"
#include "gui/controls/ThemeColors.h"
#include "gui/controls/ThemeFollower.h"

ORVerticalBarView::ORVerticalBarView(QWidget *parent)
    : QWidget(parent)
{
    sw::installAccessibleControls();
    // The segments hold their colours: a new palette lays them out again.
    sw::ThemeFollower::follow(this, [this] {
        m_layoutSize = QSize();
        update();
    });
}

void ORVerticalBarView::setDelegate(ORVerticalBarViewDelegate *delegate)
{
    m_delegate = delegate;
    m_layoutSize = QSize();
    update();
}

void ORVerticalBarView::setCornerRadius(double radius)
{
    m_cornerRadius = radius;
    update();
}

void ORVerticalBarView::setupWithData(const QList<qint64> &values)
{
    removeData();
    m_values = values;
    m_layoutSize = QSize();
    update();
}

void ORVerticalBarView::removeData()
{
    m_values.clear();
    m_barLayers.clear();
    m_layoutSize = QSize();
    update();
}

// Shares are taken of the positive values only: a negative value must not
// shrink the sum (segments wider than the bar) or bring it to 0. The sum is a
// double so that byte counts near the 64-bit limit cannot overflow it.
const QList<sw::BarSegment> &ORVerticalBarView::barLayers() const
{
    if (m_layoutSize != size())
        layoutSegments();
    return m_barLayers;
}

void ORVerticalBarView::layoutSegments() const
{
    m_layoutSize = size();
    m_barLayers.clear();
    double sum = 0;
    for (qint64 value : std::as_const(m_values))
        if (value > 0)
            sum += double(value);
    if (sum <= 0)
        return;
    const int count = int(m_values.size());
    double x = 0;
    for (int i = 0; i < count; ++i) {
        const qint64 value = m_values.at(i);
        if (value <= 0)
            continue;
        const double w = double(value) * width() / sum;
        std::optional<QColor> color = m_delegate ? m_delegate->colorWithIndex(i) : std::nullopt;
        if (!color || !color->isValid())
            color = sw::ThemeColors::of(m_barLayers.size() % 2 == 0 ? sw::ThemeColors::Accent
                                                                    : sw::ThemeColors::Blue);
        m_barLayers.append(sw::BarSegment{i, QRectF(x, 0, w, height()), *color, count - i});
        x += w;
    }
}

QSize ORVerticalBarView::sizeHint() const
{
    return QSize(400, 24);
}

void ORVerticalBarView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Lowest z first, so that earlier segments end up on top.
    const QList<sw::BarSegment> &layers = barLayers();
    for (auto it = layers.crbegin(); it != layers.crend(); ++it) {
        QPainterPath shape;
        shape.addRoundedRect(it->rect.adjusted(0.5, 0.5, -0.5, -0.5), m_cornerRadius, m_cornerRadius);
        painter.fillPath(shape, it->color);
        painter.strokePath(shape, QPen(sw::ThemeColors::of(sw::ThemeColors::Surface), 1));
    }
}
