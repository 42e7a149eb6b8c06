#pragma once

#include "RemovalReport.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace sw {

// The Details of a removal that left things behind: every failure's full path
// and reason in a two-column table. Window-modal over the page; Escape or
// Close dismisses it. The text can be copied (Ctrl+C or the context menu
// copies the selected rows, a double-click opens a cell for selecting part of
// it), so a path can be pasted into a terminal.
class RemovalFailuresDialog : public QDialog
{
    Q_OBJECT
public:
    RemovalFailuresDialog(const QList<RemovalFailure> &failures, QWidget *parent);

    QTableWidget *table() const { return m_table; }
    QPushButton *closeBut() const { return m_closeBut; }
    // The selected rows as lines of "path<TAB>reason".
    QString selectedText() const;
    void copySelection() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTable();
    void fill(const QList<RemovalFailure> &failures);

    QTableWidget *m_table = nullptr;
    QPushButton *m_closeBut = nullptr;
};

}  // namespace sw
