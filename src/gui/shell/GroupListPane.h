// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ExtendedTableViewDelegate;
class ORTableCellView;
class ORTableView;
class QAbstractItemModel;

namespace sw {

// The left pane of a result page: a title over the table of groups, one row
// per group with its check button. Row clicks go to rowDelegate, check
// clicks out as checkClicked().
class GroupListPane : public QWidget
{
    Q_OBJECT
public:
    GroupListPane(const QString &title, QAbstractItemModel *model, ExtendedTableViewDelegate *rowDelegate,
                  QWidget *parent);

    // A page that searches and sorts its groups puts its tools in place of the title.
    void setHeader(QWidget *header);
    // Paints the rows with another cell view, rowHeight high.
    void setCellView(ORTableCellView *cellView, int rowHeight);

    ORTableView *tableView() const { return m_tableView; }
    ORTableCellView *cellView() const { return m_cellView; }
    // Selects the row when the table has it.
    void selectRow(int row);

signals:
    void checkClicked(int row);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitWidth();

    QWidget *m_header = nullptr;
    ORTableView *m_tableView = nullptr;
    ORTableCellView *m_cellView = nullptr;
};

}  // namespace sw
