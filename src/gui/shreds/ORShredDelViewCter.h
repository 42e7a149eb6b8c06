#pragma once

#include "ORBaseViewCter.h"

class ORShredOperation;
class QLabel;
class QListWidget;
class QPushButton;

namespace sw {
class BusyCircleSlot;
class JobRunner;
}

// The shredding page: on "shredfiles" it runs the engine's removal on the
// pool behind the busy circle "Deleting" with the sidebar locked, then shows
// the bytes removed and every path that stayed with its reason. Its button
// empties the engine and returns to the choosing page.
class ORShredDelViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORShredDelViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);

    void or_Status(int status) override;
    void viewWillAppear() override;
    // Lists paths in the engine (unless a list is held) and shreds them.
    void startShred(const QStringList &paths);
    void completionButton();
    bool isShredding() const;

    QLabel *sizeDelField() const { return m_sizeDelField; }
    QLabel *removeUnitField() const { return m_removeUnitField; }
    QWidget *removeSizeView() const { return m_removeSizeView; }
    QPushButton *completionBut() const { return m_completionBut; }
    QListWidget *failureList() const { return m_failureList; }

private:
    void shredFinished();

    ORShredOperation &m_shredOperation;
    sw::BusyCircleSlot *m_circle = nullptr;
    sw::JobRunner *m_runner = nullptr;
    QWidget *m_removeSizeView = nullptr;
    QLabel *m_sizeDelField = nullptr;
    QLabel *m_removeUnitField = nullptr;
    QLabel *m_failureTitle = nullptr;
    QListWidget *m_failureList = nullptr;
    QPushButton *m_completionBut = nullptr;
};
