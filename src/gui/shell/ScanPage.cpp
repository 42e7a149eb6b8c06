#include "ScanPage.h"

#include "ORDispatch.h"
#include "ORWaveView.h"
#include "ScanProgressPanel.h"

#include <QAbstractButton>
#include <QPointer>
#include <QResizeEvent>
#include <QShortcut>
#include <QStackedLayout>

namespace sw {

ScanPage::ScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent) : ORBaseViewCter(delegate, parent)
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_progressPanel = new ScanProgressPanel(this);
    m_stack->addWidget(m_progressPanel);
    // The window-wide context reaches the page even when the focus stays on
    // the sidebar button that opened it; hidden pages never match.
    for (const QKeySequence &key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &ScanPage::startFromKeyboard);
    }
}

void ScanPage::setIdleView(QWidget *idleView, QAbstractButton *startButton)
{
    m_idleView = idleView;
    m_startButton = startButton;
    m_stack->insertWidget(0, idleView);
    or_Status(0);
}

QWidget *ScanPage::progressView() const
{
    return m_progressPanel;
}

QLabel *ScanPage::scanTitleTextField() const
{
    return m_progressPanel->scanTitleTextField();
}

QLabel *ScanPage::foundTextField() const
{
    return m_progressPanel->foundTextField();
}

void ScanPage::or_Status(int status)
{
    if (m_idleView)
        m_stack->setCurrentWidget(status == 0 ? m_idleView : static_cast<QWidget *>(m_progressPanel));
}

void ScanPage::viewWillAppear()
{
    if (!m_waveView) {
        m_waveView = new ORWaveView(this, QColor(197, 236, 170), QColor(120, 205, 70));
        m_waveView->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_waveView->setGeometry(0, 0, width(), kWaveHeight);
    m_waveView->lower();
    m_waveView->show();
    m_progressPanel->resetTexts();
}

void ScanPage::resizeEvent(QResizeEvent *event)
{
    ORBaseViewCter::resizeEvent(event);
    if (m_waveView)
        m_waveView->setGeometry(0, 0, width(), kWaveHeight);
}

void ScanPage::startFromKeyboard()
{
    if (m_startButton && m_startButton->isVisible() && m_startButton->isEnabled() && !m_scanning)
        m_startButton->click();
}

void ScanPage::runScan(std::function<bool()> scan, qint64 resultPage, qint64 emptyPage)
{
    if (m_scanning)
        return;
    m_scanning = true;
    m_progressPanel->startCircle();
    or_Status(1);
    butEnable(false);
    QPointer<ScanPage> self(this);
    ORDispatch::global(ORDispatch::Priority::Background, [self, scan = std::move(scan), resultPage, emptyPage] {
        const qint64 page = scan() ? resultPage : emptyPage;
        ORDispatch::main([self, page] {
            if (self)
                self->scanFinished(page);
        });
    });
}

void ScanPage::scanFinished(qint64 page)
{
    m_scanning = false;
    // Unlocked before the next page appears, so that a page which keeps the
    // sidebar locked (the nothing-found pages) has the last word.
    butEnable(true);
    next(page);
    m_progressPanel->stopCircle();
    // The band is made again when the page is next shown.
    if (m_waveView) {
        m_waveView->deleteLater();
        m_waveView = nullptr;
    }
}

}  // namespace sw
