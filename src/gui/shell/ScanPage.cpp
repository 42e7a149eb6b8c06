// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ScanPage.h"

#include "core/foundation/ORUtility.h"
#include "core/platform/ORLayout.h"
#include "gui/controls/ORWaveView.h"
#include "gui/shell/AwayNotice.h"
#include "gui/shell/ORBasedViewCterDelegate.h"
#include "gui/shell/ScanProgressPanel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace sw {

ScanPage::ScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent) : ORBaseViewCter(delegate, parent)
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_progressPanel = new ScanProgressPanel(this);
    m_stack->addWidget(m_progressPanel);
    m_runner = new JobRunner(this);
    connect(m_runner, &JobRunner::progressChanged, m_progressPanel,
            [this](qint64 items) { m_progressPanel->showItemCount(items); });
    connect(m_runner, &JobRunner::scanFinished, this, &ScanPage::scanFinished);
    connect(m_progressPanel->cancelButton(), &QPushButton::clicked, this, &ScanPage::cancelScan);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ScanPage::cancelScan);
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
    or_Status(sw::PageIdle);
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

void ScanPage::or_Status(sw::PageStatus status)
{
    if (m_idleView)
        m_stack->setCurrentWidget(status == sw::PageIdle ? m_idleView : static_cast<QWidget *>(m_progressPanel));
}

void ScanPage::viewWillAppear()
{
    if (!m_waveView) {
        m_waveView = new ORWaveView(this, ThemeColors::WaveStart, ThemeColors::WaveEnd);
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
    if (m_startButton && m_startButton->isVisible() && m_startButton->isEnabled() && !isScanning())
        m_startButton->click();
}

void ScanPage::beginScan()
{
    m_progressPanel->resetTexts();
    m_progressPanel->startCircle();
    or_Status(sw::PageBusy);
    butEnable(false);
}

void ScanPage::cancelScan()
{
    if (!isScanning() || m_runner->isCancelling())
        return;
    m_runner->cancel();
    m_progressPanel->showCancelling();
}

void ScanPage::scanFinished(bool completed)
{
    butEnable(true);
    m_progressPanel->stopCircle();
    if (!completed) {
        or_Status(sw::PageIdle);
        if (m_startButton)
            m_startButton->setFocus();
        return;
    }
    const PageNumber shown = m_outcome();
    next(shown);
    // The band is made again when the page is next shown.
    if (m_waveView) {
        m_waveView->deleteLater();
        m_waveView = nullptr;
    }
    notifyIfAway(shown);
}

// "Junk Clean found 1.2 GB": the size is the scan's last progress, what it found.
void ScanPage::notifyIfAway(PageNumber shown)
{
    const JobRunner::LastRun &run = m_runner->lastRun();
    QString tool = delegate() ? delegate()->toolTitle(shown) : QString();
    if (tool.isEmpty())
        tool = QString::fromLatin1(kAppName);
    const bool found = shown == m_resultPage;
    const QString summary =
        found ? tr("%1 found %2", "tool, size found").arg(tool, ORUtility::sizeFormatWithNumber(run.progress.bytes))
              : tr("%1 found nothing", "tool").arg(tool);
    AwayNotice::jobEnded(*this, run.time, shown, summary,
                         found ? tr("Review the result and choose what to remove.") : QString());
}

QLabel *ScanPage::addItemIconView(const QString &objectName, int side)
{
    auto *column = static_cast<QVBoxLayout *>(m_progressPanel->layout());
    auto *view = new QLabel(m_progressPanel);
    view->setObjectName(objectName);
    view->setFixedSize(side, side);
    view->setAlignment(Qt::AlignCenter);
    column->insertWidget(column->indexOf(scanTitleTextField()), view, 0, Qt::AlignHCenter);
    return view;
}

}  // namespace sw
