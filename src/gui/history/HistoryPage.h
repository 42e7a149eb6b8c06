// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/history/HistoryRecord.h"
#include "gui/shell/ORBaseViewCter.h"

#include <QList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace sw {

// The record of every removal (HistoryFile), read again each time the page
// is shown: the runs newest first with their tool, time and what became of
// their items; below, the items of the chosen run. "Put Back" returns what
// the chosen run moved to the Trash to where it was (PutBack) and then shows
// the put back's own run, whose items say what could not come back and why.
class HistoryPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    HistoryPage(ORBasedViewCterDelegate *delegate, QWidget *parent);

    void viewWillAppear() override;
    // Reads the history again and chooses the run with that id (else the newest).
    void reload(const QString &chosenId = QString());
    void putBack();

    QTreeWidget *runList() const { return m_runs; }
    QTreeWidget *itemList() const { return m_items; }
    QPushButton *putBackBut() const { return m_putBackBut; }
    // What the last put back did, or why the chosen run cannot be put back.
    QLabel *statusField() const { return m_status; }
    QLabel *emptyField() const { return m_empty; }

private:
    void showRun();
    const HistoryRecord *chosenRun() const;

    QList<HistoryRecord> m_history;  // newest first
    QTreeWidget *m_runs = nullptr;
    QTreeWidget *m_items = nullptr;
    QLabel *m_empty = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_putBackBut = nullptr;
};

}  // namespace sw
