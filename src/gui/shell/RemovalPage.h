// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/RemovalWording.h"
#include "core/fs/RemovalReport.h"
#include "gui/shell/JobRunner.h"
#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/PageNumber.h"

#include <QPointer>

#include <functional>

class ORProgressView;
class QLabel;
class QPushButton;

namespace sw {

class BusyCircleSlot;
class RemovalDetailsDialog;

// The base of the removal pages, one design for every tool. The page that
// confirmed the removal shows it and queues the start (showAndStart), so the
// page is on screen before the removal starts. The removal runs through the
// page's job runner behind the busy circle "Deleting" with the sidebar
// locked (one engine at a time), showing the items and bytes removed so far
// and a Cancel button (the engine stops after the item it is on). Then the page shows the report: a title saying how it
// went, the size that went with the count of items, a line on what stayed
// (with a single failure named on the page) and Details, which lists every
// item with what became of it (what stayed first, refusals told apart).
// When nothing went, no size is shown. Its button forgets the result and
// returns to the tool's scan page. The words come from the tool's
// RemovalWording, the same the confirmation used. A long removal that ends
// while the user is away is told about in a desktop notification with the
// report's title and figures (AwayNotice).
class RemovalPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    // What a tool plugs in. The callables reach the tool's shared engine.
    struct Tool
    {
        PageNumber scanPage;    // where the completion button leads
        RemovalWording wording;  // what the action is called
        // Starts the engine's removal; object: what the confirming page handed over.
        std::function<void(JobRunner &runner, const QVariant &object)> remove;
        std::function<void()> startOver;
    };

    // The Tool of an engine with the usual shareInstance().
    template <ToolEngine Engine>
    static Tool engineTool(PageNumber scanPage, RemovalWording wording)
    {
        return Tool{scanPage, wording,
                    [](JobRunner &runner, const QVariant &) { runner.remove(Engine::shareInstance()); },
                    [] { Engine::shareInstance().startOver(); }};
    }

    RemovalPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool);

    void or_Status(sw::PageStatus status) override;
    void viewWillAppear() override;
    void startDel(const QVariant &object = QVariant());
    // Asks the running removal to stop after its current item.
    void cancelDel();
    void completeButton();

    // Shows the removal page with that number in from's window and starts
    // its removal with object once the event loop is back, after the page
    // was laid out. Nothing starts when the window has no such removal page.
    static void showAndStart(ORBaseViewCter &from, PageNumber page, const QVariant &object = QVariant());

    QLabel *captionField() const { return m_captionField; }
    QLabel *sizeDelField() const { return m_sizeDelField; }
    // "27 items deleted", under the size.
    QLabel *countField() const { return m_countField; }
    QLabel *removeUnitField() const { return m_removeUnitField; }
    QPushButton *completionBut() const { return m_completionBut; }
    QWidget *removeSizeView() const { return m_removeSizeView; }
    // The line naming what stayed; hidden after a clean removal.
    QLabel *failureField() const { return m_failureField; }
    // The one failure, path and reason, when there is only one.
    QLabel *failureDetailField() const { return m_failureDetailField; }
    // Details of every item; shown whenever the removal had any.
    QPushButton *detailsBut() const { return m_detailsBut; }
    // The open Details dialog, if any.
    RemovalDetailsDialog *detailsDialog() const;
    ORProgressView *circleView() const;
    // What was removed so far, and the button that stops the removal.
    QLabel *progressField() const { return m_progressField; }
    QPushButton *cancelBut() const { return m_cancelBut; }
    bool isDeleting() const { return m_runner->isRunning(); }
    JobRunner *runner() const { return m_runner; }

protected:
    // Other words for a removal started with that object (replacing copies
    // with links rather than moving them); without it, the tool's always.
    void setWordingFor(std::function<RemovalWording(const QVariant &object)> wordingFor)
    {
        m_wordingFor = std::move(wordingFor);
    }

private:
    QWidget *buildSummary();
    QWidget *buildFailureRow(QWidget *parent);
    QWidget *buildWorkingView();
    void showProgress(qint64 items, qint64 bytes);
    // "27 items deleted, 385 MB"
    QString doneText(int items, qint64 bytes) const;
    // The report in one line, for a notification.
    QString reportLine() const;
    void deleteFinished(const RemovalReport &report, bool cancelled);
    void showReport(bool cancelled);
    void showDetails();
    QString failureCounts() const;
    QList<RemovalFailure> failuresForPeople() const;
    int removedCount() const;

    const Tool m_tool;
    RemovalWording m_wording;  // of the removal shown
    std::function<RemovalWording(const QVariant &object)> m_wordingFor;
    RemovalReport m_report;
    JobRunner *m_runner = nullptr;
    QWidget *m_workingView = nullptr;
    BusyCircleSlot *m_circle = nullptr;
    QLabel *m_progressField = nullptr;
    QPushButton *m_cancelBut = nullptr;
    QWidget *m_removeSizeView = nullptr;
    QLabel *m_statusImage = nullptr;
    QLabel *m_captionField = nullptr;
    QWidget *m_sizeRow = nullptr;
    QLabel *m_sizeDelField = nullptr;
    QLabel *m_removeUnitField = nullptr;
    QLabel *m_countField = nullptr;
    QPushButton *m_completionBut = nullptr;
    QWidget *m_failureRow = nullptr;
    QLabel *m_failureField = nullptr;
    QLabel *m_failureDetailField = nullptr;
    QPushButton *m_detailsBut = nullptr;
    QPointer<RemovalDetailsDialog> m_detailsDialog;
};

}  // namespace sw
