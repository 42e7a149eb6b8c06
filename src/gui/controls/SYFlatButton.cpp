// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/SYFlatButton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>
#include <QtMath>

#include "gui/controls/ORImage.h"

namespace {

// An unset colour fades as the transparent version of the other one, so a
// background that appears only in one state fades in instead of jumping.
QColor mix(const QColor &from, const QColor &to, qreal t)
{
    if (!from.isValid() && !to.isValid())
        return QColor();
    QColor a = from.isValid() ? from : QColor(to.red(), to.green(), to.blue(), 0);
    QColor b = to.isValid() ? to : QColor(from.red(), from.green(), from.blue(), 0);
    if (t >= 1)
        return to;
    a = a.toRgb();
    b = b.toRgb();
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

constexpr qreal kPaddingX = 10;
constexpr qreal kPaddingY = 6;

} // namespace

SYFlatButton::SYFlatButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setup();
}

SYFlatButton::SYFlatButton(const QString &title, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(title);
    setup();
}

SYFlatButton::~SYFlatButton() = default;

void SYFlatButton::setup()
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        applyScheme(m_animationStart, isChecked() ? m_highlight : m_normal, value.toReal());
    });
    connect(this, &QAbstractButton::toggled, this, &SYFlatButton::animateColorWithState);
}

// ---- properties ------------------------------------------------------------

void SYFlatButton::setMomentary(bool momentary)
{
    m_momentary = momentary;
    animateColorWithState(isChecked());
}

void SYFlatButton::setCornerRadius(double radius)
{
    m_cornerRadius = radius;
    update();
}

void SYFlatButton::setBorderWidth(double width)
{
    m_borderWidth = width;
    update();
}

void SYFlatButton::setSpacing(double spacing)
{
    m_spacing = spacing;
    updateGeometry();
    update();
}

void SYFlatButton::setImagePosition(ImagePosition position)
{
    m_imagePosition = position;
    updateGeometry();
    update();
}

void SYFlatButton::setSchemeColor(QColor Scheme::*member, bool highlight, const QColor &color)
{
    Scheme &scheme = highlight ? m_highlight : m_normal;
    scheme.*member = color;
    animateColorWithState(isChecked());
}

void SYFlatButton::setBorderNormalColor(const QColor &c) { setSchemeColor(&Scheme::border, false, c); }
void SYFlatButton::setBorderHighlightColor(const QColor &c) { setSchemeColor(&Scheme::border, true, c); }
void SYFlatButton::setBackgroundNormalColor(const QColor &c) { setSchemeColor(&Scheme::background, false, c); }
void SYFlatButton::setBackgroundHighlightColor(const QColor &c) { setSchemeColor(&Scheme::background, true, c); }
void SYFlatButton::setImageNormalColor(const QColor &c) { setSchemeColor(&Scheme::image, false, c); }
void SYFlatButton::setImageHighlightColor(const QColor &c) { setSchemeColor(&Scheme::image, true, c); }
void SYFlatButton::setTitleNormalColor(const QColor &c) { setSchemeColor(&Scheme::title, false, c); }
void SYFlatButton::setTitleHighlightColor(const QColor &c) { setSchemeColor(&Scheme::title, true, c); }

// ---- colour animation --------------------------------------------------------

void SYFlatButton::animateColorWithState(bool on)
{
    m_animation->stop();
    const double seconds = on ? m_onDuration : m_offDuration;
    if (seconds <= 0 || !isVisible()) {
        applyScheme(m_current, on ? m_highlight : m_normal, 1);
        return;
    }
    m_animationStart = m_current;
    m_animation->setDuration(qRound(seconds * 1000));
    m_animation->start();
}

void SYFlatButton::applyScheme(const Scheme &from, const Scheme &to, qreal progress)
{
    m_current.border = mix(from.border, to.border, progress);
    m_current.background = mix(from.background, to.background, progress);
    m_current.image = mix(from.image, to.image, progress);
    m_current.title = mix(from.title, to.title, progress);
    update();
}

// ---- layout ----------------------------------------------------------------------

QSizeF SYFlatButton::titleSize() const
{
    if (text().isEmpty())
        return QSizeF();
    const QFontMetricsF metrics(font());
    return QSizeF(metrics.horizontalAdvance(text()), metrics.height());
}

QSizeF SYFlatButton::imageSize() const
{
    return icon().isNull() ? QSizeF() : QSizeF(iconSize());
}

SYFlatButton::Layout SYFlatButton::layout() const
{
    const QRectF bounds(rect());
    const QSizeF image = m_imagePosition == NoImage ? QSizeF() : imageSize();
    const QSizeF title = m_imagePosition == ImageOnly ? QSizeF() : titleSize();
    auto centred = [&bounds](QSizeF size) {
        return size.isEmpty() ? QRectF() : QRectF(bounds.center() - QPointF(size.width() / 2, size.height() / 2), size);
    };
    Layout result{centred(image), centred(title)};
    if (image.isEmpty() || title.isEmpty() || m_imagePosition == ImageOverlaps)
        return result;

    const bool rtl = layoutDirection() == Qt::RightToLeft;
    ImagePosition position = m_imagePosition;
    if (position == ImageLeading)
        position = rtl ? ImageRight : ImageLeft;
    else if (position == ImageTrailing)
        position = rtl ? ImageLeft : ImageRight;

    if (position == ImageLeft || position == ImageRight) {
        const qreal total = image.width() + m_spacing + title.width();
        const qreal x0 = bounds.center().x() - total / 2;
        const bool imageFirst = position == ImageLeft;
        result.image.moveLeft(imageFirst ? x0 : x0 + title.width() + m_spacing);
        result.title.moveLeft(imageFirst ? x0 + image.width() + m_spacing : x0);
    } else {
        const qreal total = image.height() + m_spacing + title.height();
        const qreal y0 = bounds.center().y() - total / 2;
        const bool imageFirst = position == ImageAbove;
        result.image.moveTop(imageFirst ? y0 : y0 + title.height() + m_spacing);
        result.title.moveTop(imageFirst ? y0 + image.height() + m_spacing : y0);
    }
    return result;
}

QRectF SYFlatButton::imageRect() const
{
    return layout().image;
}

QRectF SYFlatButton::titleRect() const
{
    return layout().title;
}

QSize SYFlatButton::sizeHint() const
{
    const QSizeF image = m_imagePosition == NoImage ? QSizeF() : imageSize();
    const QSizeF title = m_imagePosition == ImageOnly ? QSizeF() : titleSize();
    const bool stacked = m_imagePosition == ImageAbove || m_imagePosition == ImageBelow;
    const bool sideBySide = !stacked && m_imagePosition != ImageOverlaps;
    const qreal gap = (image.isEmpty() || title.isEmpty()) ? 0 : m_spacing;
    QSizeF content;
    if (stacked)
        content = QSizeF(qMax(image.width(), title.width()), image.height() + gap + title.height());
    else if (sideBySide)
        content = QSizeF(image.width() + gap + title.width(), qMax(image.height(), title.height()));
    else
        content = image.expandedTo(title);
    const qreal frame = 2 * m_borderWidth;
    return QSizeF(content.width() + 2 * kPaddingX + frame, content.height() + 2 * kPaddingY + frame)
        .toSize();
}

QSize SYFlatButton::minimumSizeHint() const
{
    return sizeHint();
}

// ---- painting ------------------------------------------------------------------

void SYFlatButton::paintImage(QPainter &painter, const QRectF &rect) const
{
    const qreal dpr = devicePixelRatioF();
    const QPixmap source = icon().pixmap(rect.size().toSize(), dpr);
    if (source.isNull())
        return;
    if (!m_current.image.isValid()) {
        painter.drawPixmap(rect, source, QRectF(source.rect()));
        return;
    }
    const QImage tinted = ORImage::tinted(source.toImage(), m_current.image);
    painter.drawImage(rect, tinted, QRectF(tinted.rect()));
}

void SYFlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.5);

    const qreal inset = m_borderWidth / 2;
    const QRectF frame = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    QPainterPath shape;
    shape.addRoundedRect(frame, m_cornerRadius, m_cornerRadius);
    if (m_current.background.isValid())
        painter.fillPath(shape, m_current.background);
    if (m_borderWidth > 0 && m_current.border.isValid())
        painter.strokePath(shape, QPen(m_current.border, m_borderWidth));

    const Layout parts = layout();
    if (!parts.image.isEmpty())
        paintImage(painter, parts.image);
    if (!parts.title.isEmpty()) {
        const QColor color = m_current.title.isValid() ? m_current.title : palette().color(QPalette::ButtonText);
        painter.setPen(color);
        painter.setFont(font());
        QRectF box = parts.title;
        const QRectF available = QRectF(rect()).adjusted(2, 0, -2, 0);
        if (box.width() > available.width())
            box = QRectF(available.left(), box.top(), available.width(), box.height());
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, qCeil(box.width()));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, shown);
    }
    if (hasFocus() && m_keyFocus) {
        painter.setOpacity(1);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), m_cornerRadius, m_cornerRadius);
    }
}

// ---- input -----------------------------------------------------------------------

void SYFlatButton::beginPress()
{
    m_mouseDown = true;
    m_mouseInside = true;
    setChecked(!isChecked());
    emit pressed();
}

// Tracks the pointer during a press: leaving the button takes the toggle
// back, coming back in toggles again.
void SYFlatButton::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_mouseDown)
        return QAbstractButton::mouseMoveEvent(event);
    const bool inside = hitButton(event->position().toPoint());
    if (inside != m_mouseInside) {
        m_mouseInside = inside;
        setChecked(!isChecked());
    }
}

void SYFlatButton::endPress(bool inside)
{
    if (inside != m_mouseInside) {
        m_mouseInside = inside;
        setChecked(!isChecked());
    }
    m_mouseDown = false;
    emit released();
    if (!m_mouseInside)
        return;
    if (m_momentary)
        setChecked(!isChecked());
    emit clicked(isChecked());
}

void SYFlatButton::cancelPress()
{
    if (m_mouseDown)
        endPress(false);
}

void SYFlatButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_mouseDown) {
        event->ignore();
        return;
    }
    beginPress();
}

void SYFlatButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_mouseDown) {
        event->ignore();
        return;
    }
    endPress(hitButton(event->position().toPoint()));
}

void SYFlatButton::keyPressEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key()))
        return QAbstractButton::keyPressEvent(event);
    if (!event->isAutoRepeat() && !m_mouseDown)
        beginPress();
    event->accept();
}

void SYFlatButton::keyReleaseEvent(QKeyEvent *event)
{
    if (!isActivationKey(event->key()))
        return QAbstractButton::keyReleaseEvent(event);
    if (!event->isAutoRepeat() && m_mouseDown)
        endPress(true);
    event->accept();
}

void SYFlatButton::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    m_keyFocus = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                 || reason == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SYFlatButton::focusOutEvent(QFocusEvent *event)
{
    cancelPress();
    m_keyFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void SYFlatButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        cancelPress();
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QAbstractButton::changeEvent(event);
    update();
}

bool SYFlatButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

// click() and animateClick() come through here: a momentary button has no
// lasting state to flip.
void SYFlatButton::nextCheckState()
{
    if (!m_momentary)
        setChecked(!isChecked());
}
