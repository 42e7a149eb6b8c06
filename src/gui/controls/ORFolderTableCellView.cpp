// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORFolderTableCellView.h"

#include <QPainter>

#include "gui/controls/CellPainter.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeColors.h"

using namespace sw;
using namespace sw::CellPainter;

namespace {
constexpr int kIconSize = 26;
constexpr int kGap = 10;
} // namespace

ORFolderTableCellView::ORFolderTableCellView(QObject *parent)
    : ButtonCellDelegate(parent)
{
}

QList<ButtonCellDelegate::Button> ORFolderTableCellView::buttons(const QStyleOptionViewItem &option,
                                                                const QModelIndex &, bool) const
{
    return {Button{0, buttonRect(option.rect, kPadding - 4)}};
}

void ORFolderTableCellView::buttonClicked(int, const QModelIndex &index)
{
    emit closeClicked(index);
}

QString ORFolderTableCellView::actionName(int) const
{
    return tr("Remove from the List");
}

void ORFolderTableCellView::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const bool hovered = option.state & QStyle::State_MouseOver;
    const QRect row = option.rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor primary = ThemeColors::of(ThemeColors::Text);
    drawBackground(painter, row, hovered ? ThemeColors::of(ThemeColors::RowHover) : QColor(), true);

    const QRect iconRect = squareAt(row, kPadding, kIconSize);
    QIcon icon = index.data(IconRole).value<QIcon>();
    if (icon.isNull())
        icon = ORImage::icon(QStringLiteral("or_folder"));
    drawIcon(painter, iconRect, icon);

    const QRect close = buttonRect(row, kPadding - 4);
    const int textLeft = iconRect.right() + 1 + kGap;
    const QRect text(textLeft, row.top(), qMax(0, close.left() - kGap - textLeft), row.height());
    const QString path = index.data(PathRole).toString();
    if (path.isEmpty()) {
        drawText(painter, text, index.data(NameRole).toString(), option.font, primary, Qt::ElideRight);
    } else {
        const int half = row.height() / 2;
        drawText(painter, QRect(text.left(), row.top() + 4, text.width(), half - 4),
                 index.data(NameRole).toString(), option.font, primary, Qt::ElideRight);
        drawText(painter, QRect(text.left(), row.top() + half, text.width(), half - 4), path,
                 scaledFont(option.font, -1.5), ThemeColors::of(ThemeColors::Muted), Qt::ElideMiddle);
    }
    drawGlyphButton(painter, option, close, QStringLiteral("or_close"), ThemeColors::of(ThemeColors::Glyph),
                    ThemeColors::of(ThemeColors::Warm));
    painter->restore();
}

QSize ORFolderTableCellView::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(300, rowHeight);
}
