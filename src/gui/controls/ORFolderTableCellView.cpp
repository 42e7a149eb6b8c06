// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/controls/ORFolderTableCellView.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

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

namespace {
constexpr int kCloseRight = kPadding - 4;

QRect closeRect(const QRect &row)
{
    return buttonRect(row, kCloseRight);
}

QRect referenceRect(const QRect &row)
{
    return buttonRect(row, kCloseRight + kButtonSize + 6);
}
}  // namespace

QList<ButtonCellDelegate::Button> ORFolderTableCellView::buttons(const QStyleOptionViewItem &option,
                                                                const QModelIndex &index, bool) const
{
    QList<Button> shown{Button{CloseButton, closeRect(option.rect)}};
    if (index.data(ReferenceRole).isValid())
        shown.append(Button{ReferenceButton, referenceRect(option.rect)});
    return shown;
}

void ORFolderTableCellView::buttonClicked(int id, const QModelIndex &index)
{
    if (id == ReferenceButton)
        emit referenceClicked(index);
    else
        emit closeClicked(index);
}

QString ORFolderTableCellView::actionName(int id) const
{
    return id == ReferenceButton ? tr("Reference Folder") : tr("Remove from the List");
}

bool ORFolderTableCellView::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                      const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip) {
        const int id = buttonAt(option, index, event->pos());
        if (id >= 0) {
            const QString tip = id == CloseButton ? actionName(id)
                                : index.data(ReferenceRole).toBool()
                                    ? tr("Reference folder: the originals live here and its copies are never "
                                         "selected. Click to make it an ordinary folder.")
                                    : tr("Make this a reference folder: the originals live here and its copies "
                                         "are never selected.");
            QToolTip::showText(event->globalPos(), tip, view);
            return true;
        }
    }
    return ButtonCellDelegate::helpEvent(event, view, option, index);
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

    const QRect close = closeRect(row);
    const QVariant reference = index.data(ReferenceRole);
    const QRect lastButton = reference.isValid() ? referenceRect(row) : close;
    const int textLeft = iconRect.right() + 1 + kGap;
    QRect text(textLeft, row.top(), qMax(0, lastButton.left() - kGap - textLeft), row.height());
    if (reference.toBool()) {
        // The badge sits at the end of the name's line; the name gives way.
        const QString badge = index.data(ExtraTextRole).toString();
        const int width = badgeWidth(badge, option.font);
        const QRect badgeRect(text.right() + 1 - width, row.top() + 5, width, kBadgeHeight);
        drawBadge(painter, badgeRect, badge, option.font, false);
        text.setWidth(qMax(0, text.width() - width - kGap));
    }
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
    if (reference.isValid()) {
        const QColor lit = ThemeColors::of(ThemeColors::AccentText);
        drawGlyphButton(painter, option, referenceRect(row), QStringLiteral("or_lock"),
                        reference.toBool() ? lit : ThemeColors::of(ThemeColors::Glyph), lit);
    }
    painter->restore();
}

QSize ORFolderTableCellView::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(300, rowHeight);
}
