// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ButtonCellDelegate.h"

// Paints the item rows of the result pages from the model's sw::CellRole
// values: check image, 30x30 icon, the lock badge of an item only an
// administrator may remove, name or path, a badge (BadgeRole) after it, size,
// and the reveal ("open") and preview buttons. A SectionRole row is a
// heading over the items below it: its name alone, without buttons. Which parts show depends on the row kind and on
// whether the pointer is over the row (partsFor()); the table must track the
// mouse, as ORTableView does.
class ORItemTableCellView : public sw::ButtonCellDelegate
{
    Q_OBJECT

public:
    static constexpr int rowHeight = 44;

    // The kind of the rows of one table, set by the page that fills it.
    struct Kind
    {
        bool isPreview = false;
        bool isBigFile = false;
        bool isAppFile = false;
        bool isPathHidden = false;  // the name stays, also under the pointer
    };
    struct Parts
    {
        bool itemName = false;
        bool itemPath = false;
        bool itemOpen = false;
        bool itemPreview = false;
        bool operator==(const Parts &) const = default;
    };
    static Parts partsFor(const Kind &kind, bool hovered);

    enum ButtonId { CheckButton, OpenButton, PreviewButton };

    explicit ORItemTableCellView(QObject *parent = nullptr);

    bool isPreview = false;
    bool isBigFile = false;
    bool isAppFile = false;
    bool isPathHidden = false;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

signals:
    void checkClicked(const QModelIndex &index);
    void openClicked(const QModelIndex &index);
    void previewClicked(const QModelIndex &index);

protected:
    QList<Button> buttons(const QStyleOptionViewItem &option, const QModelIndex &index, bool hovered) const override;
    void buttonClicked(int id, const QModelIndex &index) override;
    QString actionName(int id) const override;

private:
    struct Layout
    {
        QRect check, icon, lock, text, badge, date, size, open, preview;
    };
    Kind kind() const { return Kind{isPreview, isBigFile, isAppFile, isPathHidden}; }
    Layout layoutFor(const QRect &row, const Parts &parts, bool locked = false, int badgeWidth = 0) const;
    void paintSection(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
