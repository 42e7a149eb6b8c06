#pragma once

#include "ORBaseViewCter.h"

#include <functional>

class ORWaveView;
class QAbstractButton;
class QLabel;
class QStackedLayout;

namespace sw {

class ScanProgressPanel;

// The base of the scan pages: the wave band across the top, the page's own
// idle view (state 0) and the scanning state (state 1). runScan() locks the
// sidebar, runs the engine's scan on a worker and moves on to the result page
// or the nothing-found page when it returns. Return starts a scan while the
// start button can be pressed.
class ScanPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    static constexpr int kWaveHeight = 228;

    explicit ScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void or_Status(int status) override;
    void viewWillAppear() override;

    QWidget *idleView() const { return m_idleView; }
    ScanProgressPanel *progressPanel() const { return m_progressPanel; }
    QWidget *progressView() const;
    QLabel *scanTitleTextField() const;
    QLabel *foundTextField() const;
    bool isScanning() const { return m_scanning; }

protected:
    // The idle view and its start button; call once from the constructor.
    void setIdleView(QWidget *idleView, QAbstractButton *startButton);
    // scan runs on a worker and answers whether the engine found anything.
    void runScan(std::function<bool()> scan, qint64 resultPage, qint64 emptyPage);

    void resizeEvent(QResizeEvent *event) override;

private:
    void scanFinished(qint64 page);
    void startFromKeyboard();

    QStackedLayout *m_stack = nullptr;
    QWidget *m_idleView = nullptr;
    QAbstractButton *m_startButton = nullptr;
    ScanProgressPanel *m_progressPanel = nullptr;
    ORWaveView *m_waveView = nullptr;
    bool m_scanning = false;
};

}  // namespace sw
