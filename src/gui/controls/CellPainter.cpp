// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/CellPainter.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QWidget>

#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeColors.h"

namespace sw::CellPainter {

QRect squareAt(const QRect &row, int left, int side)
{
    return QRect(row.left() + left, row.top() + (row.height() - side + 1) / 2, side, side);
}

QRect buttonRect(const QRect &row, int right)
{
    return squareAt(row, row.width() - right - kButtonSize, kButtonSize);
}

void drawBackground(QPainter *painter, const QRect &row, const QColor &fill, bool separator)
{
    if (fill.isValid())
        painter->fillRect(row, fill);
    if (separator) {
        painter->setPen(ThemeColors::of(ThemeColors::Separator));
        painter->drawLine(row.left() + kPadding, row.bottom(), row.right() - kPadding, row.bottom());
    }
}

QColor groupRowFill(bool selected, bool hovered)
{
    if (selected)
        return ThemeColors::of(ThemeColors::SelectedRow);
    return hovered ? ThemeColors::of(ThemeColors::RowHover) : QColor();
}

QColor groupRowText(bool selected, bool secondary)
{
    if (!selected)
        return ThemeColors::of(secondary ? ThemeColors::Muted : ThemeColors::Text);
    QColor text = ThemeColors::of(ThemeColors::OnAccent);
    if (secondary)
        text.setAlpha(210);
    return text;
}

void drawCheckGround(QPainter *painter, const QRect &check)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(ThemeColors::of(ThemeColors::CheckGround));
    painter->drawRoundedRect(QRectF(check).adjusted(1, 1, -1, -1), 4, 4);
}

void drawImage(QPainter *painter, const QRect &rect, const QString &name)
{
    const QPixmap pixmap = ORImage::pixmap(name, rect.size(), painter->device()->devicePixelRatioF());
    if (!pixmap.isNull())
        painter->drawPixmap(rect, pixmap);
}

void drawGlyphButton(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                     const QString &name, const QColor &color, const QColor &hoverColor)
{
    const bool hovered = pointerOver(option, rect);
    QRect glyph(0, 0, kButtonGlyph, kButtonGlyph);
    glyph.moveCenter(rect.center());
    const QImage image = ORImage::tinted(name, glyph.size(), hovered ? hoverColor : color,
                                         painter->device()->devicePixelRatioF());
    if (!image.isNull())
        painter->drawImage(glyph, image);
}

void drawIcon(QPainter *painter, const QRect &rect, const QIcon &icon)
{
    if (!icon.isNull())
        icon.paint(painter, rect);
}

void drawText(QPainter *painter, const QRect &rect, const QString &text, const QFont &font,
              const QColor &color, Qt::TextElideMode elide, Qt::Alignment alignment)
{
    if (text.isEmpty() || rect.width() <= 0)
        return;
    painter->setFont(font);
    painter->setPen(color);
    const QString shown = QFontMetrics(font).elidedText(text, elide, rect.width());
    painter->drawText(rect, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

QFont badgeFont(const QFont &base)
{
    return scaledFont(base, -1, QFont::DemiBold);
}

int badgeWidth(const QString &text, const QFont &base)
{
    return QFontMetrics(badgeFont(base)).horizontalAdvance(text) + 18;
}

void drawBadge(QPainter *painter, const QRect &rect, const QString &text, const QFont &base, bool onSelected)
{
    painter->setPen(Qt::NoPen);
    QColor ground = ThemeColors::of(onSelected ? ThemeColors::CheckGround : ThemeColors::Badge);
    if (onSelected)
        ground.setAlpha(60); // a lighter patch of the row's accent
    painter->setBrush(ground);
    painter->drawRoundedRect(rect, rect.height() / 2.0, rect.height() / 2.0);
    drawText(painter, rect, text, badgeFont(base), groupRowText(onSelected, false), Qt::ElideNone,
             Qt::AlignCenter);
}

bool pointerOver(const QStyleOptionViewItem &option, const QRect &rect)
{
    if (!option.widget || !(option.state & QStyle::State_MouseOver))
        return false;
    // The view paints on its viewport; the option's widget is the view itself.
    const auto *view = qobject_cast<const QAbstractScrollArea *>(option.widget);
    const QWidget *surface = view ? view->viewport() : option.widget;
    return rect.contains(surface->mapFromGlobal(QCursor::pos()));
}

QFont scaledFont(const QFont &base, qreal pointSizeDelta, QFont::Weight weight)
{
    QFont font = base;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + pointSizeDelta);
    font.setWeight(weight);
    return font;
}

} // namespace sw::CellPainter
