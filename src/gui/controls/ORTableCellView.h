// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ButtonCellDelegate.h"

// Paints the group rows of the result pages from the model's sw::CellRole
// values: check image, 32x32 icon, group name with an optional second line
// (ExtraTextRole) and the size at the right. The selected row is filled with
// the row-selection green and written in the accent's text colour.
class ORTableCellView : public sw::ButtonCellDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 56;

    explicit ORTableCellView(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkClicked(const QModelIndex &index);

protected:
    QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index, bool hovered) const override;
    void buttonClicked(int id, const QModelIndex &index) override;
    QString actionName(int id) const override;

private:
    QRect checkRect(const QRect &row) const;
};
