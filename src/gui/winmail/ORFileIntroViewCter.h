// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/ORBaseViewCter.h"

#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

class ORFileDataCollection;
class ORFileDropView;
class ORWaveView;
class PasswordPanel;
class QLabel;
class QPushButton;
class QStackedLayout;
class TUEncodingPopUp;

namespace sw {
class BusyCircleSlot;
class JobRunner;
struct ExtractionOutcome;
}

// The archive tool's first page: the drop area with its add button, the
// file-name encoding pop-up and the error field (idle, state 0); while a
// file is extracted, the busy circle with the progress, the sidebar locked
// (state 1). The extraction runs on the pool and asks for a password on
// this thread when the archive needs one. Extracted leads to the result
// page; a failure shows its message here, ready for another try. The
// password panel stays up until the password worked: a wrong one is told
// in it, and the user tries another or cancels.
class ORFileIntroViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    static constexpr int kWaveHeight = 228;

    explicit ORFileIntroViewCter(ORBasedViewCterDelegate *delegate = nullptr, QWidget *parent = nullptr);
    ~ORFileIntroViewCter() override;

    void or_Status(sw::PageStatus status) override;
    void viewWillAppear() override;

    // Extracts the first of the dropped or chosen paths.
    void gotoNext(const QStringList &paths);
    void updateProgress(const QVariant &progress);
    bool isExtracting() const;
    // Stops the running extraction; the page returns to idle.
    void cancelExtraction();

    ORFileDropView *briefView() const { return m_dropView; }
    TUEncodingPopUp *encodingPopUp() const { return m_encodingPopUp; }
    QLabel *passwordErrorField() const { return m_errorField; }
    QLabel *progressField() const { return m_progressField; }
    sw::BusyCircleSlot *circleSlot() const { return m_circle; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildIdleView();
    QWidget *buildBusyView();
    // On this thread: the password panel, nullopt when it was cancelled.
    std::optional<QString> askPassword(const QString &problem);
    // Once the extraction writes or ends, the password worked (or nothing
    // more can be done with one).
    void closePasswordPanel();
    void extractFinished(bool extracted);

    ORFileDataCollection &m_collection;
    QStackedLayout *m_stack = nullptr;
    QWidget *m_idleView = nullptr;
    QWidget *m_busyView = nullptr;
    ORWaveView *m_waveView = nullptr;
    ORFileDropView *m_dropView = nullptr;
    TUEncodingPopUp *m_encodingPopUp = nullptr;
    QLabel *m_errorField = nullptr;
    sw::BusyCircleSlot *m_circle = nullptr;
    QLabel *m_progressField = nullptr;
    QPushButton *m_cancelButton = nullptr;
    sw::JobRunner *m_runner = nullptr;
    QPointer<PasswordPanel> m_passwordPanel;
    QString m_srcPath;
    std::shared_ptr<sw::ExtractionOutcome> m_outcome;  // written by the job, read when it ends
};
