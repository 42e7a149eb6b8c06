#pragma once

#include "ORBaseViewCter.h"

class ORJunkFilesCollection;
class ORProgressView;
class QLabel;
class QPushButton;

// Page 3, the junk removal page: the busy circle while the removal runs on a
// worker, then the size removed and the button that finishes the round.
class ORJunkDelViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void or_Status(int status) override;
    void viewWillAppear() override;
    void startDel();
    void completeButton();

    QLabel *sizeDelField() const { return m_sizeDelField; }
    QLabel *removeUnitField() const { return m_removeUnitField; }
    QPushButton *completionBut() const { return m_completionBut; }
    QWidget *removeSizeView() const { return m_removeSizeView; }
    bool isDeleting() const { return m_deleting; }

private:
    void deleteFinished();

    ORJunkFilesCollection &junkDataCollection;
    QWidget *m_circleHolder = nullptr;
    ORProgressView *m_circleView = nullptr;
    QWidget *m_removeSizeView = nullptr;
    QLabel *m_sizeDelField = nullptr;
    QLabel *m_removeUnitField = nullptr;
    QPushButton *m_completionBut = nullptr;
    bool m_deleting = false;
};
