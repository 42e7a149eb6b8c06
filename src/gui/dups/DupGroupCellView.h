// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ORTableCellView.h"

namespace sw {

// Paints the group rows of the duplicate result page from the model's
// sw::CellRole values: check image, 36x36 picture, the name above the size of
// one copy, and at the right a badge with the selected and total copies
// (ExtraTextRole). The check button is ORTableCellView's.
class DupGroupCellView : public ORTableCellView
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 58;

    using ORTableCellView::ORTableCellView;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

}  // namespace sw
