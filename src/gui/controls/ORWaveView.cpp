// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORWaveView.h"

#include "gui/controls/ThemeFollower.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QtMath>

namespace {
constexpr int kTickMilliseconds = 20;
constexpr double kCycleFactor = 1.29 * M_PI;
} // namespace

ORWaveView::ORWaveView(QWidget *parent, QColor startColor, QColor endColor)
    : QWidget(parent)
    , m_startColor(startColor)
    , m_endColor(endColor)
{
    m_timer = new QTimer(this);
    m_timer->setInterval(kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &ORWaveView::getCurrentWave);
    ConfigParams();
    getCurrentWave();
}

ORWaveView::ORWaveView(QWidget *parent, sw::ThemeColors::Role startColor, sw::ThemeColors::Role endColor)
    : ORWaveView(parent, sw::ThemeColors::of(startColor), sw::ThemeColors::of(endColor))
{
    sw::ThemeFollower::follow(this, [this, startColor, endColor] {
        setGradient(sw::ThemeColors::of(startColor), sw::ThemeColors::of(endColor));
    });
}

void ORWaveView::setWaveWidth(double width)
{
    m_waveWidth = qMax(0.0, width);
    ConfigParams();
}

void ORWaveView::setWaveCycle(double cycle)
{
    m_waveCycle = cycle;
    ConfigParams();
}

void ORWaveView::setGradient(const QColor &startColor, const QColor &endColor)
{
    m_startColor = startColor;
    m_endColor = endColor;
    update();
}

double ORWaveView::waveCycle() const
{
    return m_waveCycle != 0 ? m_waveCycle : kCycleFactor / waveWidth();
}

// Width and cycle are not stored when left at 0: they follow the view, whose
// width is not known yet when the view is made.
void ORWaveView::ConfigParams()
{
    if (m_waveHeight == 0)
        m_waveHeight = 10;
    if (!m_waveColor.isValid())
        m_waveColor = Qt::white;
    if (m_waveSpeed == 0)
        m_waveSpeed = 2.5;
    if (m_wavePointY == 0)
        m_wavePointY = 150;
    if (m_waveAmplitude == 0)
        m_waveAmplitude = 10;
}

// y = pointY + 1.6 A sin((250 / width) x° − π offset / divisor), closed along
// the top edge: the filled side is the band above the curve.
QPainterPath ORWaveView::buildPath(double divisor) const
{
    const double waveWidth = this->waveWidth();
    QPainterPath path;
    path.moveTo(0, m_wavePointY);
    const double phase = M_PI * m_waveOffsetX / divisor;
    for (int x = 0; x <= qCeil(waveWidth); ++x) {
        const double y = m_wavePointY
                         + 1.6 * m_waveAmplitude * std::sin((250.0 / waveWidth) * (x * M_PI / 180.0) - phase);
        path.lineTo(x, y);
    }
    path.lineTo(waveWidth, 0);
    path.lineTo(0, 0);
    path.closeSubpath();
    return path;
}

void ORWaveView::getCurrentWave()
{
    m_waveOffsetX += m_waveSpeed;
    m_path1 = buildPath(270);
    m_path2 = buildPath(180);
    update();
}

bool ORWaveView::isAnimating() const
{
    return m_timer->isActive();
}

QSize ORWaveView::sizeHint() const
{
    return QSize(600, 228);
}

// The clock costs a repaint every 20 ms: it runs only while the band shows.
void ORWaveView::showEvent(QShowEvent *event)
{
    m_timer->start();
    QWidget::showEvent(event);
}

void ORWaveView::hideEvent(QHideEvent *event)
{
    m_timer->stop();
    QWidget::hideEvent(event);
}

void ORWaveView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), sw::ThemeColors::of(sw::ThemeColors::WaveGround));

    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, m_startColor);
    gradient.setColorAt(1, m_endColor);
    // The slower wave lies behind, half transparent, so the two read as depth.
    painter.setOpacity(0.45);
    painter.fillPath(m_path1, gradient);
    painter.setOpacity(1);
    painter.fillPath(m_path2, gradient);
}
