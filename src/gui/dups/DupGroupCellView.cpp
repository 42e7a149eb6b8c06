// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/DupGroupCellView.h"

#include "gui/controls/CellPainter.h"
#include "gui/controls/ORCellRoles.h"

#include <QPainter>

namespace sw {

using namespace CellPainter;

namespace {
constexpr int kIconSize = 36;
constexpr int kGap = 10;
}  // namespace

void DupGroupCellView::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const QRect row = option.rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    drawBackground(painter, row, groupRowFill(selected, hovered), !selected);
    const QRect check = squareAt(row, kPadding, kCheckSize);  // where ORTableCellView takes the click
    if (selected)
        drawCheckGround(painter, check);
    drawImage(painter, check, index.data(CheckImageRole).toString());
    const QRect icon = squareAt(row, kPadding + kCheckSize + kGap, kIconSize);
    drawIcon(painter, icon, index.data(IconRole).value<QIcon>());

    // The copies badge at the right.
    const QString copies = index.data(ExtraTextRole).toString();
    const int width = badgeWidth(copies, option.font);
    const QRect badge(row.right() - kPadding - width + 1, row.top() + (row.height() - kBadgeHeight) / 2, width,
                      kBadgeHeight);
    drawBadge(painter, badge, copies, option.font, selected);
    const QColor primary = groupRowText(selected, false);

    const int textLeft = icon.right() + 1 + kGap;
    const QRect text(textLeft, row.top(), qMax(0, badge.left() - kGap - textLeft), row.height());
    const int half = row.height() / 2;
    drawText(painter, QRect(text.left(), row.top() + 8, text.width(), half - 8), index.data(NameRole).toString(),
             scaledFont(option.font, 0.5, QFont::Medium), primary, Qt::ElideRight);
    drawText(painter, QRect(text.left(), row.top() + half, text.width(), half - 8),
             index.data(SizeTextRole).toString(), scaledFont(option.font, -1), groupRowText(selected, true),
             Qt::ElideRight);
    painter->restore();
}

QSize DupGroupCellView::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(300, rowHeight);
}

}  // namespace sw
