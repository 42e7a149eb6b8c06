// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/BusyCircleView.h"

#include <QPainter>
#include <QVariantAnimation>

#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeColors.h"

namespace sw {

namespace {
constexpr int kTurnMilliseconds = 1000;
constexpr qreal kTitleWidthShare = 0.62; // of the ring's diameter
} // namespace

BusyCircleView::BusyCircleView(QWidget *parent, bool isBusy, Metrics metrics)
    : QWidget(parent)
    , m_isBusy(isBusy)
    , m_metrics(metrics)
{
    installAccessibleControls();
    m_rotation = new QVariantAnimation(this);
    m_rotation->setStartValue(0.0);
    m_rotation->setEndValue(360.0);
    m_rotation->setDuration(kTurnMilliseconds);
    m_rotation->setLoopCount(-1);
    connect(m_rotation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_angle = value.toReal();
        update();
    });
}

void BusyCircleView::setupWithTitle(const QString &title)
{
    m_hasLayers = true;
    setTitle(title);
}

void BusyCircleView::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void BusyCircleView::start()
{
    if (!m_isBusy)
        return;
    m_started = true;
    if (isVisible())
        m_rotation->start();
}

void BusyCircleView::stop()
{
    m_started = false;
    m_rotation->stop();
    m_angle = 0;
    update();
}

bool BusyCircleView::isRotating() const
{
    return m_started;
}

void BusyCircleView::removeLayers()
{
    m_hasLayers = false;
    update();
}

qreal BusyCircleView::ringRadius() const
{
    return qMax<qreal>(0, qMin(width(), height()) / 2.0 - m_metrics.ringInset);
}

QSize BusyCircleView::sizeHint() const
{
    return QSize(180, 180);
}

// Nothing moves while the view cannot be seen.
void BusyCircleView::showEvent(QShowEvent *event)
{
    if (m_started && m_rotation->state() != QAbstractAnimation::Running)
        m_rotation->start();
    QWidget::showEvent(event);
}

void BusyCircleView::hideEvent(QHideEvent *event)
{
    m_rotation->stop();
    QWidget::hideEvent(event);
}

QFont BusyCircleView::titleFont() const
{
    QFont font = this->font();
    font.setFamilies({QStringLiteral("Helvetica Neue"), font.family()});
    font.setWeight(QFont::Light);
    font.setPixelSize(qMax(1, qRound(height() * m_metrics.fontScale)));
    // Longer titles shrink to stay inside the ring.
    const qreal room = 2 * ringRadius() * kTitleWidthShare;
    const qreal needed = QFontMetricsF(font).horizontalAdvance(m_title);
    if (needed > room && needed > 0)
        font.setPixelSize(qMax(1, int(font.pixelSize() * room / needed)));
    return font;
}

void BusyCircleView::paintEvent(QPaintEvent *)
{
    if (!m_hasLayers)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPointF centre = QRectF(rect()).center();

    const qreal radius = ringRadius();
    painter.setPen(QPen(ThemeColors::of(ThemeColors::ControlBorder), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);

    const QSize imageSize = (QSizeF(size()) * m_metrics.imageScale).toSize();
    const QPixmap emblem = ORImage::pixmap(QStringLiteral("or_deepclean_icon"), imageSize, devicePixelRatioF());
    if (!emblem.isNull()) {
        painter.save();
        painter.translate(centre);
        painter.rotate(m_angle);
        painter.drawPixmap(QRectF(QPointF(-imageSize.width() / 2.0, -imageSize.height() / 2.0), imageSize),
                           emblem, QRectF(emblem.rect()));
        painter.restore();
    }

    painter.setPen(ThemeColors::of(ThemeColors::Glyph));
    painter.setFont(titleFont());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_title);
}

} // namespace sw
