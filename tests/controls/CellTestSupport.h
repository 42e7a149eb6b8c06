// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardItemModel>
#include <QStyleOptionViewItem>
#include <QtTest>

#include "gui/controls/ButtonCellDelegate.h"
#include "gui/controls/ORCellRoles.h"
#include "gui/controls/ORTableView.h"

// A table with one delegate and a few rows, and a way to find where the
// delegate draws its buttons.
struct CellTable
{
    explicit CellTable(sw::ButtonCellDelegate *delegate, int rowHeight, int rows = 3)
    {
        for (int i = 0; i < rows; ++i) {
            auto *item = new QStandardItem;
            item->setData(QStringLiteral("item %1").arg(i), sw::NameRole);
            item->setData(QStringLiteral("/home/ann/.cache/item %1").arg(i), sw::PathRole);
            item->setData(QStringLiteral("1.00 MB"), sw::SizeTextRole);
            item->setData(QStringLiteral("or_select_off"), sw::CheckImageRole);
            item->setData(true, sw::CheckEnabledRole);
            model.appendRow(item);
        }
        table.resize(600, rows * rowHeight + 20);
        table.setUniformRowHeight(rowHeight);
        table.setModel(&model);
        delegate->setParent(&table);
        table.setItemDelegate(delegate);
        this->delegate = delegate;
    }

    QModelIndex index(int row) const { return model.index(row, 0); }

    // The centre of the first point of the row (scanning left to right along
    // its middle) where the delegate has button `id`; a null point when none.
    QPoint buttonCentre(int row, int id) const
    {
        QStyleOptionViewItem option;
        option.rect = table.visualRect(index(row));
        const int y = option.rect.center().y();
        int first = -1, last = -1;
        for (int x = option.rect.left(); x <= option.rect.right(); ++x) {
            if (delegate->buttonAt(option, index(row), QPoint(x, y)) == id) {
                if (first < 0)
                    first = x;
                last = x;
            } else if (first >= 0) {
                break;
            }
        }
        return first < 0 ? QPoint() : QPoint((first + last) / 2, y);
    }

    void click(QPoint pos) { QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, pos); }

    QStandardItemModel model;
    ORTableView table;
    sw::ButtonCellDelegate *delegate = nullptr;
};
