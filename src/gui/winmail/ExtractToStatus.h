// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

namespace sw {
class JobRunner;
struct ExtractionOutcome;
}

// The line beside the result page's buttons that runs "Extract to…": the
// archive shown is extracted once more, straight into the folder the user
// chose, with every safety of an extraction (nothing outside that folder,
// nothing of the user's written over, files named only once complete). It
// tells the progress with Cancel, then where the files went with "Open
// Folder", or what went wrong.
class ExtractToStatus : public QWidget
{
    Q_OBJECT
public:
    explicit ExtractToStatus(QWidget *parent = nullptr);
    ~ExtractToStatus() override;

    // Extracts into destination, an existing folder; madeForIt: made for
    // this extraction, so a failed one takes it away again.
    void start(const QString &destination, bool madeForIt);
    bool isRunning() const;
    void cancel();
    // Forgets the last run's line (another result is shown).
    void clear();
    // Tells a problem found before anything ran.
    void showProblem(const QString &text);

    QLabel *statusField() const { return m_statusField; }
    QPushButton *openFolderButton() const { return m_openFolderButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

signals:
    void runningChanged(bool running);

private:
    void updateProgress(const QVariant &progress);
    void finished(bool extracted);
    void showLine(const QString &text, bool problem, const QString &detail = QString());

    sw::JobRunner *m_runner = nullptr;
    QLabel *m_statusField = nullptr;
    QPushButton *m_openFolderButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QString m_destination;
    std::shared_ptr<sw::ExtractionOutcome> m_outcome;  // written by the job, read when it ends
};
