// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QPushButton;
class QTableWidget;

namespace sw {

// The Details of a removal: every item's full path and what became of it
// (what stayed first, with the reason) in a two-column table. Window-modal
// over the page; Escape or Close dismisses it. The text can be copied (Ctrl+C or the context menu
// copies the selected rows, a double-click opens a cell for selecting part of
// it), so a path can be pasted into a terminal.
class RemovalDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    struct Row
    {
        QString path;
        QString result;  // the reason it stayed, or what was done ("Deleted, 12 kB")
    };

    RemovalDetailsDialog(const QString &heading, const QList<Row> &rows, QWidget *parent);

    QTableWidget *table() const { return m_table; }
    QPushButton *closeBut() const { return m_closeBut; }
    // The selected rows as lines of "path<TAB>result".
    QString selectedText() const;
    void copySelection() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable();
    void fill(const QList<Row> &rows);

    QTableWidget *m_table = nullptr;
    QPushButton *m_closeBut = nullptr;
};

}  // namespace sw
