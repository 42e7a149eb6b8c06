// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPersistentModelIndex>
#include <QRect>
#include <QStyledItemDelegate>

namespace sw {

// A row delegate with small buttons drawn inside its rows. A button clicks
// when the mouse is pressed and released on it in the same row; the press
// does not select the row.
class ButtonCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // The id of the clickable button at pos in the row, or -1. A row being
    // clicked is the row under the pointer, so hover-only buttons count.
    int buttonAt(const QStyleOptionViewItem &option, const QModelIndex &index, const QPoint &pos) const;

    // The buttons a row offers to assistive technology, each by the name of
    // its action (a check box's is QAccessibleActionInterface::toggleAction());
    // press() clicks one as the mouse would.
    struct Action
    {
        int id;
        QString name;
    };
    QList<Action> actions(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void press(int id, const QModelIndex &index) { buttonClicked(id, index); }

protected:
    struct Button
    {
        int id;
        QRect rect;
    };
    // The buttons the row shows (hovered: the pointer is over the row).
    virtual QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index,
                                  bool hovered) const = 0;
    virtual void buttonClicked(int id, const QModelIndex &index) = 0;
    virtual QString actionName(int id) const = 0;

private:
    QPersistentModelIndex m_pressedIndex;
    int m_pressedButton = -1;
};

} // namespace sw
