#pragma once

#include "ORBaseViewCter.h"

#include <functional>

class ORProgressView;
class QLabel;
class QPushButton;

namespace sw {

class BusyCircleSlot;

// The base of the removal pages. The result page shows it and then posts the
// tool's removal notification (postAfterWorkerHop), so the page is on screen
// before the removal starts. The removal runs on a worker behind the busy
// circle "Deleting" with the sidebar locked (one engine at a time); then the
// page shows the bytes removed, and its button forgets the result and returns
// to the tool's scan page.
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
        QString doneCaption;      // shown above the size removed
        std::function<void()> remove;  // runs on a worker
        std::function<qint64()> delSize;
        std::function<void()> startOver;
    };

    // The Tool of an engine with the usual shareInstance(), delSize() and startOver().
    template <class Engine>
    static Tool engineTool(QString notification, qint64 scanPage, QString doneCaption, void (Engine::*remove)())
    {
        return Tool{std::move(notification), scanPage, std::move(doneCaption),
                    [remove] { (Engine::shareInstance().*remove)(); },
                    [] { return Engine::shareInstance().delSize(); },
                    [] { Engine::shareInstance().startOver(); }};
    }

    RemovalPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool);

    void or_Status(int status) override;
    void viewWillAppear() override;
    void startDel();
    void completeButton();

    // Posts name on the main thread after a hop through a worker.
    static void postAfterWorkerHop(const QString &name);

    QLabel *sizeDelField() const { return m_sizeDelField; }
    QLabel *removeUnitField() const { return m_removeUnitField; }
    QPushButton *completionBut() const { return m_completionBut; }
    QWidget *removeSizeView() const { return m_removeSizeView; }
    ORProgressView *circleView() const;
    bool isDeleting() const { return m_deleting; }

private:
    void deleteFinished();

    const Tool m_tool;
    BusyCircleSlot *m_circle = nullptr;
    QWidget *m_removeSizeView = nullptr;
    QLabel *m_sizeDelField = nullptr;
    QLabel *m_removeUnitField = nullptr;
    QPushButton *m_completionBut = nullptr;
    bool m_deleting = false;
};

}  // namespace sw
