// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>
#include <QWidget>

class ORProgressView;
class QLabel;
class QPushButton;

namespace sw {

class BusyCircleSlot;

// The scanning state every scan page shows: the busy circle titled
// "Scanning", what is being done, the size found so far, how many items were
// looked at, the path being looked at, and the Cancel button. The page feeds
// it from its engine's progress notifications and its job's counters.
class ScanProgressPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ScanProgressPanel(QWidget *parent = nullptr);

    // The texts of a page about to be shown; the found text is emptied.
    void resetTexts();
    // A fresh, turning circle; stopCircle() takes it away again.
    void startCircle();
    void stopCircle();
    // The notified path, shortened and elided in the middle to the panel's width.
    void showPath(const QVariant &path);
    void showFound(const QString &text);
    // "Found: <size>" from a notified byte count.
    void showFoundSize(const QVariant &size);
    void showItemCount(qint64 items);
    // Cancel pressed: the button waits for the scan to stop.
    void showCancelling();

    QLabel *scanTextField() const { return m_scanTextField; }
    QLabel *infoTextField() const { return m_infoTextField; }
    QLabel *foundTextField() const { return m_foundTextField; }
    QLabel *scanTitleTextField() const { return m_scanTitleTextField; }
    QLabel *countTextField() const { return m_countTextField; }
    QPushButton *cancelButton() const { return m_cancelButton; }
    ORProgressView *circleView() const;

private:
    BusyCircleSlot *m_circle = nullptr;
    QLabel *m_scanTextField = nullptr;
    QLabel *m_infoTextField = nullptr;
    QLabel *m_foundTextField = nullptr;
    QLabel *m_scanTitleTextField = nullptr;
    QLabel *m_countTextField = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

}  // namespace sw
