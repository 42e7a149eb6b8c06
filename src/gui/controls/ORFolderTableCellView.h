// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ButtonCellDelegate.h"

// Paints the rows of a folder list (the folders a scan looks in): folder icon
// (IconRole, else "or_folder"), name, path below it, and a close button that
// asks for the row to be taken off the list.
class ORFolderTableCellView : public sw::ButtonCellDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 44;

    explicit ORFolderTableCellView(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void closeClicked(const QModelIndex &index);

protected:
    QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index, bool hovered) const override;
    void buttonClicked(int id, const QModelIndex &index) override;
    QString actionName(int id) const override;
};
