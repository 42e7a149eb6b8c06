// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

class ExtendedTableViewDelegate;

// A table used as a list: no grid, no headers, whole rows selected, rows
// highlighted under the pointer. A click on a row is reported to eDelegate
// after the table has handled it; a click below the last row reaches nobody.
class ORTableView : public QTableView
{
    Q_OBJECT

public:
    explicit ORTableView(QWidget *parent = nullptr);

    // Every row this high (the row delegates' rowHeight), without asking the
    // delegate row by row.
    void setUniformRowHeight(int height);
    // The width the widest row shown asks of its delegate.
    int widestRow() const { return sizeHintForColumn(0); }
    // True while a mouse press is being handled, before it reaches eDelegate:
    // a highlight moved by the press is reported by the click itself.
    bool isHandlingPress() const { return m_handlingPress; }

    // Not owned; must outlive the table or be reset to nullptr.
    ExtendedTableViewDelegate *eDelegate = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    bool m_handlingPress = false;
};
