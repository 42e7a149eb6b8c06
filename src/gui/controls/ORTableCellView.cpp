// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORTableCellView.h"

#include <QAccessibleActionInterface>
#include <QPainter>

#include "gui/controls/CellPainter.h"
#include "gui/controls/ORCellRoles.h"

using namespace sw;
using namespace sw::CellPainter;

namespace {
constexpr int kIconSize = 32;
constexpr int kGap = 10;
constexpr int kSizeWidth = 86;
} // namespace

ORTableCellView::ORTableCellView(QObject *parent)
    : ButtonCellDelegate(parent)
{
}

QRect ORTableCellView::checkRect(const QRect &row) const
{
    return squareAt(row, kPadding, kCheckSize);
}

QList<ButtonCellDelegate::Button> ORTableCellView::buttons(const QStyleOptionViewItem &option,
                                                          const QModelIndex &index, bool) const
{
    if (!index.data(CheckEnabledRole).toBool() || index.data(CheckImageRole).toString().isEmpty())
        return {};
    return {Button{0, checkRect(option.rect)}};
}

void ORTableCellView::buttonClicked(int, const QModelIndex &index)
{
    emit checkClicked(index);
}

QString ORTableCellView::actionName(int) const
{
    return QAccessibleActionInterface::toggleAction();
}

void ORTableCellView::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const QRect row = option.rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    drawBackground(painter, row, groupRowFill(selected, hovered), !selected);

    const QString check = index.data(CheckImageRole).toString();
    if (selected && !check.isEmpty())
        drawCheckGround(painter, checkRect(row));
    drawImage(painter, checkRect(row), check);
    const QRect icon = squareAt(row, kPadding + kCheckSize + kGap, kIconSize);
    drawIcon(painter, icon, index.data(IconRole).value<QIcon>());

    const int right = row.right() - kPadding;
    const QRect size(right - kSizeWidth + 1, row.top(), kSizeWidth, row.height());
    const int textLeft = icon.right() + 1 + kGap;
    const QRect text(textLeft, row.top(), qMax(0, size.left() - kGap - textLeft), row.height());

    const QColor primary = groupRowText(selected, false);
    const QColor secondary = groupRowText(selected, true);
    const QFont nameFont = scaledFont(option.font, 0.5, QFont::Medium);
    const QString extra = index.data(ExtraTextRole).toString();
    const QString badge = index.data(BadgeRole).toString();
    if (extra.isEmpty() && badge.isEmpty()) {
        drawText(painter, text, index.data(NameRole).toString(), nameFont, primary, Qt::ElideRight);
    } else {
        const int half = row.height() / 2;
        drawText(painter, QRect(text.left(), row.top() + 8, text.width(), half - 8),
                 index.data(NameRole).toString(), nameFont, primary, Qt::ElideRight);
        // The badge leads the second line, so no elision hides it.
        QRect second(text.left(), row.top() + half, text.width(), half - 8);
        if (!badge.isEmpty()) {
            const QRect pill(second.left(), second.center().y() - kBadgeHeight / 2 + 1,
                             qMin(badgeWidth(badge, option.font), second.width()), kBadgeHeight - 2);
            drawBadge(painter, pill, badge, option.font, selected);
            second.setLeft(pill.right() + 1 + kGap / 2);
        }
        drawText(painter, second, extra, scaledFont(option.font, -1), secondary, Qt::ElideMiddle);
    }
    drawText(painter, size, index.data(SizeTextRole).toString(), option.font, primary, Qt::ElideLeft,
             Qt::AlignRight);
    painter->restore();
}

// As wide as the name needs, whole: a larger font or a longer language
// widens the group list rather than cut a category's name.
QSize ORTableCellView::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QFontMetrics name(scaledFont(option.font, 0.5, QFont::Medium));
    const int text = name.horizontalAdvance(index.data(NameRole).toString());
    const int beforeText = kPadding + kCheckSize + kGap + kIconSize + kGap;
    return QSize(beforeText + text + kGap + kSizeWidth + kPadding, rowHeight);
}
