// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QPainter;
class QStyleOptionViewItem;

namespace sw {

// Drawing pieces shared by the row delegates.
namespace CellPainter {

constexpr int kPadding = 12;
constexpr int kCheckSize = 18;
constexpr int kButtonSize = 22;
constexpr int kButtonGlyph = 16;
constexpr int kBadgeHeight = 20;

// A square of side `side` at x = left, centred vertically in row.
QRect squareAt(const QRect &row, int left, int side);
// The button squares, right to left, ending `right` pixels from the row's right edge.
QRect buttonRect(const QRect &row, int right);

void drawBackground(QPainter *painter, const QRect &row, const QColor &fill, bool separator);
// A group row's ground: the chosen row on the accent, else hovered or none;
// its texts read on that ground (secondary is the dimmer second line).
QColor groupRowFill(bool selected, bool hovered);
QColor groupRowText(bool selected, bool secondary);
// The light square the check images need on the chosen row's accent.
void drawCheckGround(QPainter *painter, const QRect &check);
void drawImage(QPainter *painter, const QRect &rect, const QString &name);
// A glyph image in one colour, the colour taken darker when the pointer is over it.
void drawGlyphButton(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                     const QString &name, const QColor &color, const QColor &hoverColor);
void drawIcon(QPainter *painter, const QRect &rect, const QIcon &icon);
void drawText(QPainter *painter, const QRect &rect, const QString &text, const QFont &font,
              const QColor &color, Qt::TextElideMode elide, Qt::Alignment alignment = Qt::AlignLeft);
// A badge: a short text on a rounded ground (the copies of a duplicate set,
// the source of an application). badgeFont() is its font, badgeWidth() the
// width it takes; onSelected paints it for the green selected row.
QFont badgeFont(const QFont &base);
int badgeWidth(const QString &text, const QFont &base);
void drawBadge(QPainter *painter, const QRect &rect, const QString &text, const QFont &base, bool onSelected);
// Whether the pointer is over rect of the view that paints option.
bool pointerOver(const QStyleOptionViewItem &option, const QRect &rect);

QFont scaledFont(const QFont &base, qreal pointSizeDelta, QFont::Weight weight = QFont::Normal);

} // namespace CellPainter
} // namespace sw
