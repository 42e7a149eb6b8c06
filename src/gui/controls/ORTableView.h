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

    // Not owned; must outlive the table or be reset to nullptr.
    ExtendedTableViewDelegate *eDelegate = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
