// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ORTableView;
class QAbstractItemModel;
class QVBoxLayout;

namespace sw {

// A card with a title and a table of paths whose rows have a close
// button: the lists of folders to scan and of items to shred. Callers may
// add controls below the table through column().
class FolderTableCard : public QWidget
{
    Q_OBJECT
public:
    FolderTableCard(const QString &title, QAbstractItemModel *model, QWidget *parent);

    ORTableView *table() const { return m_table; }
    QVBoxLayout *column() const { return m_column; }

signals:
    void closeClicked(int row);
    void referenceClicked(int row);

private:
    ORTableView *m_table;
    QVBoxLayout *m_column;
};

}  // namespace sw
