// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/JobRunner.h"
#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/PageNumber.h"

#include <functional>

class ORWaveView;
class QAbstractButton;
class QLabel;
class QStackedLayout;

namespace sw {

class ScanProgressPanel;

// The base of the scan pages: the wave band across the top, the page's own
// idle view (state 0) and the scanning state (state 1). runScan() locks the
// sidebar and runs the engine's scan through the page's job runner, showing
// how many items were looked at; when it ends the page moves on to the
// result page or the nothing-found page, and a cancelled scan returns to the
// idle view. Return starts a scan while the start button can be pressed;
// Escape cancels one. A long scan that ends while the user is away is told
// about in a desktop notification (AwayNotice).
class ScanPage : public ORBaseViewCter
{
    Q_OBJECT
public:
    static constexpr int kWaveHeight = 228;

    explicit ScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void or_Status(sw::PageStatus status) override;
    void viewWillAppear() override;

    QWidget *idleView() const { return m_idleView; }
    ScanProgressPanel *progressPanel() const { return m_progressPanel; }
    QWidget *progressView() const;
    QLabel *scanTitleTextField() const;
    // An empty square of side points above the scan title, for the icon of
    // the item being looked at.
    QLabel *addItemIconView(const QString &objectName, int side);
    QLabel *foundTextField() const;
    bool isScanning() const { return m_runner->isRunning(); }
    JobRunner *runner() const { return m_runner; }
    // Asks the running scan to stop; the page returns to its idle view.
    void cancelScan();

protected:
    // The idle view and its start button; call once from the constructor.
    void setIdleView(QWidget *idleView, QAbstractButton *startButton);
    // Scans with engine; found tells (on the main thread) whether its result
    // is worth the result page.
    template <ToolEngine Engine>
    void runScan(Engine &engine, bool (*found)(const typename Engine::Data &data), PageNumber resultPage,
                 PageNumber emptyPage)
    {
        if (isScanning())
            return;
        m_resultPage = resultPage;
        m_outcome = [&engine, found, resultPage, emptyPage] {
            const auto data = engine.result();
            return data && found(*data) ? resultPage : emptyPage;
        };
        beginScan();
        m_runner->scan(engine);
    }

    void resizeEvent(QResizeEvent *event) override;

private:
    void beginScan();
    void scanFinished(bool completed);
    void notifyIfAway(PageNumber shown);
    void startFromKeyboard();

    QStackedLayout *m_stack = nullptr;
    QWidget *m_idleView = nullptr;
    QAbstractButton *m_startButton = nullptr;
    ScanProgressPanel *m_progressPanel = nullptr;
    ORWaveView *m_waveView = nullptr;
    JobRunner *m_runner = nullptr;
    std::function<PageNumber()> m_outcome;  // where a completed scan leads
    PageNumber m_resultPage = PageNumber(0);  // where it leads when it found something
};

}  // namespace sw
