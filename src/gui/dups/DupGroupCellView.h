#pragma once

#include "ButtonCellDelegate.h"

namespace sw {

// Paints the group rows of the duplicate result page from the model's
// sw::CellRole values: check image, 36x36 picture, the name above the size of
// one copy, and at the right a badge with the selected and total copies
// (ExtraTextRole). The selected row is filled with the row-selection green.
class DupGroupCellView : public ButtonCellDelegate
{
    Q_OBJECT
public:
    static constexpr int rowHeight = 58;

    explicit DupGroupCellView(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkClicked(const QModelIndex &index);

protected:
    QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index, bool hovered) const override;
    void buttonClicked(int id, const QModelIndex &index) override;

private:
    static QRect checkRect(const QRect &row);
};

}  // namespace sw
