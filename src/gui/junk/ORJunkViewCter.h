#pragma once

#include "ORBaseViewCter.h"

class ORJunkFilesCollection;
class ORProgressView;
class ORWaveView;
class QLabel;
class QPushButton;

// Page 1, the junk cleaner's scan page: an introduction with the start
// button, then the busy circle with the path being looked at and the size
// found so far. The scan runs on a worker; the page only shows its progress.
class ORJunkViewCter : public ORBaseViewCter
{
    Q_OBJECT
public:
    explicit ORJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void or_Status(int status) override;
    void viewWillAppear() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

public:

    void scanButton();
    void slideToField(const QVariant &path);
    void foundJunkSize(const QVariant &size);

    QWidget *briefView() const { return m_briefView; }
    QWidget *progressView() const { return m_progressView; }
    QPushButton *startBut() const { return m_startBut; }
    QLabel *scanTitleTextField() const { return m_scanTitleTextField; }
    QLabel *foundTextField() const { return m_foundTextField; }

private:
    void buildBrief();
    void buildProgress();
    void scanFinished(bool hasGroups);

    ORJunkFilesCollection &junkDataCollection;
    QWidget *m_briefView = nullptr;
    QWidget *m_progressView = nullptr;
    QPushButton *m_startBut = nullptr;
    QLabel *m_scanTitleTextField = nullptr;
    QLabel *m_foundTextField = nullptr;
    QLabel *m_scanTextField = nullptr;
    QLabel *m_infoTextField = nullptr;
    QWidget *m_circleHolder = nullptr;
    ORProgressView *m_circleView = nullptr;
    ORWaveView *m_waveView = nullptr;
};
