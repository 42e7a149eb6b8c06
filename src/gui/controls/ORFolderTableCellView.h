// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ButtonCellDelegate.h"

// Paints the rows of a folder list (the folders a scan looks in): folder icon
// (IconRole, else "or_folder"), name, path below it, and a close button that
// asks for the row to be taken off the list. Where the row answers
// ReferenceRole, a lock beside it toggles the folder as a reference folder
// (lit when on, with a badge after the name).
class ORFolderTableCellView : public sw::ButtonCellDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 44;

    explicit ORFolderTableCellView(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The buttons' tooltips.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    enum ButtonId { CloseButton = 0, ReferenceButton = 1 };

signals:
    void closeClicked(const QModelIndex &index);
    void referenceClicked(const QModelIndex &index);

protected:
    QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index, bool hovered) const override;
    void buttonClicked(int id, const QModelIndex &index) override;
    QString actionName(int id) const override;
};
