// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/RemovalPage.h"

#include "core/foundation/ORUtility.h"
#include "core/history/RemovalHistory.h"
#include "gui/controls/ORImage.h"
#include "gui/shell/AwayNotice.h"
#include "gui/shell/BusyCircleSlot.h"
#include "gui/shell/ORBasedViewCterDelegate.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/RemovalDetailsDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QSizePolicy>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcRemovalPage, "sweepwright.pages.removal")

namespace sw {

RemovalPage::RemovalPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool)
    : ORBaseViewCter(delegate, parent), m_tool(std::move(tool)), m_wording(m_tool.wording)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    column->addWidget(buildWorkingView());
    column->addWidget(buildSummary());
    column->addSpacing(24);
    m_completionBut = PageStyle::primaryButton(tr("&Done"), this);
    m_completionBut->setObjectName(QStringLiteral("completionBut"));
    m_completionBut->setMinimumWidth(140);
    connect(m_completionBut, &QPushButton::clicked, this, &RemovalPage::completeButton);
    column->addWidget(m_completionBut, 0, Qt::AlignHCenter);
    column->addStretch(3);

    m_runner = new JobRunner(this);
    connect(m_runner, &JobRunner::progressChanged, this,
            [this](qint64 items, qint64 bytes) { showProgress(items, bytes); });
    connect(m_runner, &JobRunner::removalFinished, this, &RemovalPage::deleteFinished);
}

// The busy circle, what went so far and the Cancel button.
QWidget *RemovalPage::buildWorkingView()
{
    m_workingView = new QWidget(this);
    auto *column = new QVBoxLayout(m_workingView);
    column->setContentsMargins(0, 0, 0, 0);
    m_circle = new BusyCircleSlot(m_workingView);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);
    column->addSpacing(12);
    m_progressField = PageStyle::muted(QString(), m_workingView, 12);
    m_progressField->setObjectName(QStringLiteral("progressField"));
    m_progressField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_progressField);
    column->addSpacing(18);
    m_cancelBut = PageStyle::secondaryButton(tr("Cancel"), m_workingView);
    m_cancelBut->setObjectName(QStringLiteral("cancelBut"));
    m_cancelBut->setMinimumWidth(120);
    connect(m_cancelBut, &QPushButton::clicked, this, &RemovalPage::cancelDel);
    column->addWidget(m_cancelBut, 0, Qt::AlignHCenter);
    return m_workingView;
}

// The status image, the caption, the size removed and the line on what stayed.
QWidget *RemovalPage::buildSummary()
{
    m_removeSizeView = new QWidget(this);
    m_removeSizeView->setObjectName(QStringLiteral("removeSizeView"));
    auto *done = new QVBoxLayout(m_removeSizeView);
    m_statusImage = new QLabel(m_removeSizeView);
    m_statusImage->setAlignment(Qt::AlignCenter);
    done->addWidget(m_statusImage);
    m_captionField = PageStyle::heading(m_wording.doneTitle(), m_removeSizeView, 18);
    m_captionField->setObjectName(QStringLiteral("captionField"));
    m_captionField->setAlignment(Qt::AlignCenter);
    m_captionField->setWordWrap(true);
    done->addWidget(m_captionField);
    m_sizeRow = new QWidget(m_removeSizeView);
    auto *sizeRow = new QHBoxLayout(m_sizeRow);
    sizeRow->setContentsMargins(0, 0, 0, 0);
    sizeRow->addStretch(1);
    m_sizeDelField = new QLabel(m_sizeRow);
    m_sizeDelField->setObjectName(QStringLiteral("sizeDelField"));
    m_removeUnitField = new QLabel(m_sizeRow);
    m_removeUnitField->setObjectName(QStringLiteral("removeUnitField"));
    PageStyle::styleSizeLabels(m_sizeDelField, m_removeUnitField, 30);
    sizeRow->addWidget(m_sizeDelField, 0, Qt::AlignBottom);
    sizeRow->addWidget(m_removeUnitField, 0, Qt::AlignBottom);
    sizeRow->addStretch(1);
    done->addWidget(m_sizeRow);
    m_countField = PageStyle::muted(QString(), m_removeSizeView, 12);
    m_countField->setObjectName(QStringLiteral("countField"));
    m_countField->setAlignment(Qt::AlignCenter);
    done->addWidget(m_countField);
    done->addWidget(buildFailureRow(m_removeSizeView));
    return m_removeSizeView;
}

QWidget *RemovalPage::buildFailureRow(QWidget *parent)
{
    m_failureRow = new QWidget(parent);
    auto *column = new QVBoxLayout(m_failureRow);
    column->setContentsMargins(0, 8, 0, 0);
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    row->addStretch(1);
    m_failureField = PageStyle::muted(QString(), m_failureRow, 12);
    m_failureField->setObjectName(QStringLiteral("failureField"));
    m_failureField->setWordWrap(false);
    row->addWidget(m_failureField);
    m_detailsBut = PageStyle::secondaryButton(tr("Details"), m_failureRow);
    m_detailsBut->setObjectName(QStringLiteral("detailsBut"));
    connect(m_detailsBut, &QPushButton::clicked, this, &RemovalPage::showDetails);
    row->addWidget(m_detailsBut);
    row->addStretch(1);
    column->addLayout(row);
    m_failureDetailField = PageStyle::muted(QString(), m_failureRow, 11);
    m_failureDetailField->setObjectName(QStringLiteral("failureDetailField"));
    m_failureDetailField->setAlignment(Qt::AlignCenter);
    m_failureDetailField->setWordWrap(true);
    // A long path must not widen the window.
    m_failureDetailField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_failureDetailField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_failureDetailField);
    m_failureRow->hide();
    return m_failureRow;
}

void RemovalPage::viewWillAppear()
{
    or_Status(sw::PageBusy);
}

void RemovalPage::or_Status(sw::PageStatus status)
{
    const bool done = status == sw::PageIdle;
    if (!done) {
        if (m_detailsDialog)
            m_detailsDialog->close();
        // A page shown again starts without the last run's progress or Cancel state.
        m_progressField->setText(QString());
        m_cancelBut->setText(tr("Cancel"));
        m_cancelBut->setEnabled(true);
    }
    m_sizeDelField->setVisible(done);
    m_completionBut->setVisible(done);
    m_removeSizeView->setVisible(done);
    m_workingView->setVisible(!done);
}

void RemovalPage::startDel(const QVariant &object)
{
    if (isDeleting())
        return;
    m_wording = m_wordingFor ? m_wordingFor(object) : m_tool.wording;
    or_Status(sw::PageBusy);
    m_circle->start(m_wording.working());
    butEnable(false);
    m_tool.remove(*m_runner, object);
}

void RemovalPage::cancelDel()
{
    if (!isDeleting() || m_runner->isCancelling())
        return;
    m_runner->cancel();
    m_cancelBut->setText(tr("Cancelling…"));
    m_cancelBut->setEnabled(false);
}

void RemovalPage::showProgress(qint64 items, qint64 bytes)
{
    m_progressField->setText(doneText(int(items), bytes));
}

QString RemovalPage::doneText(int items, qint64 bytes) const
{
    return tr("%1, %2", "items done, their size")
        .arg(m_wording.doneCount(items), ORUtility::sizeFormatWithNumber(bytes));
}

void RemovalPage::deleteFinished(const RemovalReport &report, bool cancelled)
{
    qCDebug(lcRemovalPage) << "Delete action is completed" << (cancelled ? "(cancelled)" : "");
    m_report = report;
    RemovalHistory::record(m_wording, report);
    showReport(cancelled);
    or_Status(sw::PageIdle);
    butEnable(true);
    m_circle->stop();
    m_completionBut->setFocus();
    // A cancelled removal was watched: the user pressed Cancel.
    if (!cancelled)
        AwayNotice::jobEnded(*this, m_runner->lastRun().time, m_tool.scanPage, m_captionField->text(), reportLine());
}

// "14 items deleted, 294 MB; 2 items could not be deleted (3 kB)"
QString RemovalPage::reportLine() const
{
    QStringList parts;
    const int removed = removedCount();
    if (removed > 0 || m_report.removedBytes() > 0)
        parts << doneText(removed, m_report.removedBytes());
    if (!m_report.isClean())
        parts << failureCounts();
    return parts.join(QStringLiteral("; "));
}

void RemovalPage::showReport(bool cancelled)
{
    const bool clean = m_report.isClean();
    const int removed = removedCount();
    // Nothing went: a size in the colour of success would say otherwise.
    const bool nothingWent = removed == 0 && m_report.removedBytes() == 0;
    const QString image = clean && !cancelled ? QStringLiteral("or_done") : QStringLiteral("or_warning");
    m_statusImage->setPixmap(ORImage::pixmap(image, QSize(72, 72), devicePixelRatioF()));
    const RemovalWording &words = m_wording;
    if (cancelled)
        m_captionField->setText(tr("Stopped: the rest was left as it was"));
    else
        m_captionField->setText(nothingWent ? words.nothingTitle() : clean ? words.doneTitle() : words.partialTitle());
    ORUtility::sizeFileFormat(m_sizeDelField, m_removeUnitField,
                              ORUtility::sizeFormatWithNumber(m_report.removedBytes()));
    m_sizeRow->setVisible(!nothingWent);
    m_countField->setText(words.doneCount(removed));
    m_countField->setVisible(!nothingWent);
    m_failureField->setText(failureCounts());
    m_failureField->setVisible(!clean);
    const QList<RemovalFailure> failures = failuresForPeople();
    m_failureDetailField->setText(failures.size() == 1
                                      ? QStringLiteral("%1 — %2").arg(failures.constFirst().path,
                                                                      failures.constFirst().reason)
                                      : QString());
    m_failureDetailField->setVisible(failures.size() == 1);
    m_failureRow->setVisible(!m_report.outcomes().isEmpty());
}

int RemovalPage::removedCount() const
{
    const auto &outcomes = m_report.outcomes();
    return int(std::count_if(outcomes.cbegin(), outcomes.cend(), [](const RemovalOutcome &o) { return o.ok(); }));
}

// "2 items were refused; 1 item could not be deleted (3 kB)".
QString RemovalPage::failureCounts() const
{
    const int refused = int(m_report.refusedCount());
    const int failed = int(m_report.failedCount()) - refused;
    QStringList parts;
    if (refused > 0)
        parts << RemovalWording::refusedCount(refused);
    if (failed > 0)
        parts << m_wording.failedCount(failed, m_report.failedBytes());
    return parts.join(QStringLiteral("; "));
}

// Every failure, a refusal saying that it is one.
QList<RemovalFailure> RemovalPage::failuresForPeople() const
{
    QList<RemovalFailure> rows;
    for (const RemovalOutcome &outcome : m_report.outcomes())
        for (const RemovalFailure &failure : outcome.failures)
            rows.append({failure.path, outcome.refused ? tr("Refused: %1").arg(failure.reason) : failure.reason});
    return rows;
}

// What stayed first, with the reasons, then what went.
void RemovalPage::showDetails()
{
    if (!m_detailsDialog) {
        QList<RemovalDetailsDialog::Row> rows;
        for (const RemovalFailure &failure : failuresForPeople())
            rows.append({failure.path, failure.reason});
        for (const RemovalOutcome &outcome : m_report.outcomes())
            if (outcome.ok())
                rows.append({outcome.path, outcome.withFolder ? tr("Went with its folder, counted there")
                                                              : m_wording.itemDone(outcome.removed)});
        const QString heading = m_failureField->isVisible() ? m_failureField->text() : m_countField->text();
        m_detailsDialog = new RemovalDetailsDialog(heading, rows, window());
        m_detailsDialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_detailsDialog->open();
}

RemovalDetailsDialog *RemovalPage::detailsDialog() const
{
    return m_detailsDialog;
}

ORProgressView *RemovalPage::circleView() const
{
    return m_circle->circleView();
}

void RemovalPage::completeButton()
{
    m_tool.startOver();
    next(m_tool.scanPage);
}

void RemovalPage::showAndStart(ORBaseViewCter &from, PageNumber page, const QVariant &object)
{
    ORBasedViewCterDelegate *window = from.delegate();
    if (!window)
        return;
    window->next(page);
    auto *removal = qobject_cast<RemovalPage *>(window->pageController(page));
    if (!removal)
        return;
    // Queued, and dropped should the page go first.
    QMetaObject::invokeMethod(removal, [removal, object] { removal->startDel(object); }, Qt::QueuedConnection);
}

}  // namespace sw
