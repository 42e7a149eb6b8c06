#pragma once

#include "ORBaseViewCter.h"
#include "RemovalReport.h"

#include <QPointer>

#include <functional>

class ORProgressView;
class QLabel;
class QPushButton;

namespace sw {

class BusyCircleSlot;
class RemovalFailuresDialog;

// The base of the removal pages. The result page shows it and then posts the
// tool's removal notification (postAfterWorkerHop), so the page is on screen
// before the removal starts. The removal runs on a worker behind the busy
// circle "Deleting" with the sidebar locked (one engine at a time); then the
// page reads the engine's report and shows the bytes removed and, when
// something stayed, how much and why (the Details dialog). Its button forgets
// the result and returns to the tool's scan page.
class RemovalPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    // What a tool plugs in. The callables reach the tool's shared engine, so
    // they stay valid on the worker whatever becomes of the page.
    struct Tool
    {
        QString notification;     // starts the removal
        qint64 scanPage = 0;      // where the completion button leads
        QString doneCaption;      // shown above the size removed when everything went
        QString problemCaption;   // shown instead when something stayed
        std::function<void()> remove;  // runs on a worker
        std::function<RemovalReport()> report;  // what the last removal did
        std::function<void()> startOver;
    };

    // The Tool of an engine with the usual shareInstance(), removalReport() and startOver().
    template <class Engine>
    static Tool engineTool(QString notification, qint64 scanPage, QString doneCaption, QString problemCaption,
                           void (Engine::*remove)())
    {
        return Tool{std::move(notification), scanPage, std::move(doneCaption), std::move(problemCaption),
                    [remove] { (Engine::shareInstance().*remove)(); },
                    [] { return Engine::shareInstance().removalReport(); },
                    [] { Engine::shareInstance().startOver(); }};
    }

    RemovalPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool);

    void or_Status(int status) override;
    void viewWillAppear() override;
    void startDel();
    void completeButton();

    // Posts name on the main thread after a hop through a worker.
    static void postAfterWorkerHop(const QString &name);

    QLabel *captionField() const { return m_captionField; }
    QLabel *sizeDelField() const { return m_sizeDelField; }
    QLabel *removeUnitField() const { return m_removeUnitField; }
    QPushButton *completionBut() const { return m_completionBut; }
    QWidget *removeSizeView() const { return m_removeSizeView; }
    // The line naming what stayed, and its button; hidden after a clean removal.
    QLabel *failureField() const { return m_failureField; }
    QPushButton *detailsBut() const { return m_detailsBut; }
    // The open Details dialog, if any.
    RemovalFailuresDialog *failuresDialog() const;
    ORProgressView *circleView() const;
    bool isDeleting() const { return m_deleting; }

private:
    QWidget *buildSummary();
    QWidget *buildFailureRow(QWidget *parent);
    void deleteFinished();
    void showReport();
    void showDetails();

    const Tool m_tool;
    RemovalReport m_report;
    BusyCircleSlot *m_circle = nullptr;
    QWidget *m_removeSizeView = nullptr;
    QLabel *m_statusImage = nullptr;
    QLabel *m_captionField = nullptr;
    QLabel *m_sizeDelField = nullptr;
    QLabel *m_removeUnitField = nullptr;
    QPushButton *m_completionBut = nullptr;
    QWidget *m_failureRow = nullptr;
    QLabel *m_failureField = nullptr;
    QPushButton *m_detailsBut = nullptr;
    QPointer<RemovalFailuresDialog> m_failuresDialog;
    bool m_deleting = false;
};

}  // namespace sw
