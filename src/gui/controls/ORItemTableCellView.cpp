// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORItemTableCellView.h"

#include <QAccessibleActionInterface>
#include <QPainter>

#include "gui/controls/CellPainter.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ThemeColors.h"

using namespace sw;
using namespace sw::CellPainter;

namespace {
constexpr int kIconSize = 30;
constexpr int kSizeWidth = 84;
constexpr int kDateWidth = 116;
constexpr int kGap = 10;
constexpr int kLockSize = 14;
} // namespace

// What the pointer shows and hides, by row kind: uninstaller rows swap name
// for path; large-file rows keep their own name and date and only gain the
// two buttons; all other rows swap name for path and gain the reveal button
// (and the preview button where the page offers previews).
ORItemTableCellView::Parts ORItemTableCellView::partsFor(const Kind &kind, bool hovered)
{
    if (kind.isAppFile)
        return Parts{!hovered, hovered, false, false};
    if (kind.isBigFile)
        return Parts{false, false, hovered, hovered};
    if (kind.isPathHidden)
        return Parts{true, false, hovered, false};
    return Parts{!hovered, hovered, hovered, hovered && kind.isPreview};
}

ORItemTableCellView::ORItemTableCellView(QObject *parent)
    : ButtonCellDelegate(parent)
{
}

ORItemTableCellView::Layout ORItemTableCellView::layoutFor(const QRect &row, const Parts &parts, bool locked,
                                                           int badgeWidth) const
{
    Layout layout;
    layout.check = squareAt(row, kPadding, kCheckSize);
    layout.icon = squareAt(row, kPadding + kCheckSize + kGap, kIconSize);
    const int right = row.right() - kPadding;
    layout.size = QRect(right - kSizeWidth + 1, row.top(), kSizeWidth, row.height());
    int end = layout.size.left() - kGap;
    if (isBigFile) {
        layout.date = QRect(end - kDateWidth + 1, row.top(), kDateWidth, row.height());
        end = layout.date.left() - kGap;
    }
    // Buttons sit just left of the size (and date) column.
    const int fromRight = row.right() - end;
    if (parts.itemOpen)
        layout.open = buttonRect(row, fromRight);
    if (parts.itemPreview)
        layout.preview = buttonRect(row, fromRight + (parts.itemOpen ? kButtonSize + 4 : 0));
    for (const QRect &button : {layout.open, layout.preview})
        if (button.isValid())
            end = qMin(end, button.left() - kGap);
    if (badgeWidth > 0) {
        layout.badge = QRect(end - badgeWidth + 1, row.top() + (row.height() - kBadgeHeight) / 2, badgeWidth,
                             kBadgeHeight);
        end = layout.badge.left() - kGap;
    }
    int textLeft = layout.icon.right() + 1 + kGap;
    // The badge leads the name, so it stays in view however the name is elided.
    if (locked) {
        layout.lock = squareAt(row, textLeft, kLockSize);
        textLeft = layout.lock.right() + 1 + kGap / 2;
    }
    layout.text = QRect(textLeft, row.top(), qMax(0, end - textLeft), row.height());
    return layout;
}

QList<ButtonCellDelegate::Button> ORItemTableCellView::buttons(const QStyleOptionViewItem &option,
                                                               const QModelIndex &index, bool hovered) const
{
    if (index.data(SectionRole).toBool())
        return {};
    const Parts parts = partsFor(kind(), hovered);
    const Layout layout = layoutFor(option.rect, parts);
    QList<Button> result;
    if (index.data(CheckEnabledRole).toBool() && !index.data(CheckImageRole).toString().isEmpty())
        result.append({CheckButton, layout.check});
    if (parts.itemOpen)
        result.append({OpenButton, layout.open});
    if (parts.itemPreview)
        result.append({PreviewButton, layout.preview});
    return result;
}

void ORItemTableCellView::buttonClicked(int id, const QModelIndex &index)
{
    if (id == CheckButton)
        emit checkClicked(index);
    else if (id == OpenButton)
        emit openClicked(index);
    else if (id == PreviewButton)
        emit previewClicked(index);
}

QString ORItemTableCellView::actionName(int id) const
{
    if (id == OpenButton)
        return tr("Show in the File Manager");
    if (id == PreviewButton)
        return tr("Preview");
    return QAccessibleActionInterface::toggleAction();
}

void ORItemTableCellView::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    if (index.data(SectionRole).toBool()) {
        paintSection(painter, option, index);
        return;
    }
    const bool hovered = option.state & QStyle::State_MouseOver;
    const bool selected = option.state & QStyle::State_Selected;
    const Parts parts = partsFor(kind(), hovered);
    const bool locked = index.data(NeedsAdminRole).toBool();
    const QString badge = index.data(BadgeRole).toString();
    const Layout layout = layoutFor(option.rect, parts, locked, badge.isEmpty() ? 0 : badgeWidth(badge, option.font));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QColor text = ThemeColors::of(ThemeColors::Text);
    const QColor muted = ThemeColors::of(ThemeColors::Muted);
    const QColor glyph = ThemeColors::of(ThemeColors::Glyph);
    const QColor accent = ThemeColors::of(ThemeColors::Accent);
    const QColor fill = selected  ? ThemeColors::of(ThemeColors::AccentTint)
                        : hovered ? ThemeColors::of(ThemeColors::RowHover)
                                  : QColor();
    drawBackground(painter, option.rect, fill, true);
    // Rows are not selected; the keyboard's row (Space ticks it) is framed.
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(accent, 1.5));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }

    drawImage(painter, layout.check, index.data(CheckImageRole).toString());
    drawIcon(painter, layout.icon, index.data(IconRole).value<QIcon>());
    if (locked)
        drawImage(painter, layout.lock, QStringLiteral("or_lock"));

    const QFont font = option.font;
    if (isBigFile) {
        // Name over the full path: two files of one name in two folders
        // must be told apart.
        const int half = layout.text.height() / 2;
        const QRect nameRect = layout.text.adjusted(0, 3, 0, -half);
        const QRect pathRect = layout.text.adjusted(0, half - 1, 0, -3);
        drawText(painter, nameRect, index.data(NameRole).toString(), font, text, Qt::ElideMiddle);
        drawText(painter, pathRect, index.data(PathRole).toString(), scaledFont(font, -2), muted,
                 Qt::ElideMiddle);
        drawText(painter, layout.date, index.data(DateTextRole).toString(), scaledFont(font, -1), muted,
                 Qt::ElideRight, Qt::AlignRight);
    } else if (parts.itemPath) {
        drawText(painter, layout.text, index.data(PathRole).toString(), scaledFont(font, -1), muted,
                 Qt::ElideMiddle);
    } else if (parts.itemName) {
        drawText(painter, layout.text, index.data(NameRole).toString(), font, text, Qt::ElideMiddle);
    }
    if (layout.badge.isValid())
        drawBadge(painter, layout.badge, badge, font, false);
    drawText(painter, layout.size, index.data(SizeTextRole).toString(), font, text, Qt::ElideLeft,
             Qt::AlignRight);
    if (parts.itemOpen)
        drawGlyphButton(painter, option, layout.open, QStringLiteral("or_open"), glyph, accent);
    if (parts.itemPreview)
        drawGlyphButton(painter, option, layout.preview, QStringLiteral("or_preview"), glyph, accent);
    painter->restore();
}

// A heading: its name at the check boxes' left edge, set low in the row so it
// reads as belonging to the items under it.
void ORItemTableCellView::paintSection(QPainter *painter, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    painter->save();
    const QRect text = option.rect.adjusted(kPadding, option.rect.height() / 3, -kPadding, 0);
    drawText(painter, text, index.data(NameRole).toString(), scaledFont(option.font, 0, QFont::DemiBold),
             ThemeColors::of(ThemeColors::Muted), Qt::ElideRight);
    painter->restore();
}

QSize ORItemTableCellView::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(360, rowHeight);
}
