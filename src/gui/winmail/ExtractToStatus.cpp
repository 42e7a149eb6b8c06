// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/ExtractToStatus.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORUtility.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/JobRunner.h"
#include "gui/shell/PageStyle.h"
#include "gui/winmail/FileNotifications.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

using namespace sw;

ExtractToStatus::ExtractToStatus(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    m_statusField = PageStyle::muted(QString(), this, 10);
    m_statusField->setObjectName(QStringLiteral("extractToStatusField"));
    m_statusField->setWordWrap(true);
    m_statusField->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_statusField, 1);
    m_openFolderButton = PageStyle::secondaryButton(tr("Open Folder"), this);
    m_openFolderButton->setObjectName(QStringLiteral("openFolderButton"));
    row->addWidget(m_openFolderButton);
    m_cancelButton = PageStyle::secondaryButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("extractToCancelButton"));
    row->addWidget(m_cancelButton);
    m_runner = new JobRunner(this);
    connect(m_runner, &JobRunner::scanFinished, this, &ExtractToStatus::finished);
    connect(m_cancelButton, &QPushButton::clicked, this, &ExtractToStatus::cancel);
    connect(m_openFolderButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_destination)); });
    ORNotificationCenter::defaultCenter().addObserver(this, filenote::kProgress,
                                                      [this](const QVariant &v) { updateProgress(v); });
    clear();
}

ExtractToStatus::~ExtractToStatus() = default;

bool ExtractToStatus::isRunning() const
{
    return m_runner->isRunning();
}

void ExtractToStatus::start(const QString &destination, bool madeForIt)
{
    if (isRunning())
        return;
    m_destination = destination;
    auto outcome = std::make_shared<ExtractionOutcome>();
    m_outcome = outcome;
    m_runner->run([outcome, destination, madeForIt](JobControl &job) {
        *outcome = ORFileDataCollection::shareInstance().extractTo(destination, madeForIt, job);
        return outcome->status == ExtractionOutcome::Status::Extracted;
    });
    showLine(tr("Extracting to %1…").arg(ORUtility::shortenFilePath(destination)), false);
    m_openFolderButton->hide();
    m_cancelButton->show();
    m_cancelButton->setEnabled(true);
    emit runningChanged(true);
}

void ExtractToStatus::cancel()
{
    if (!isRunning())
        return;
    m_runner->cancel();
    m_cancelButton->setEnabled(false);
}

void ExtractToStatus::clear()
{
    m_statusField->clear();
    m_statusField->setToolTip(QString());
    m_openFolderButton->hide();
    m_cancelButton->hide();
}

void ExtractToStatus::showProblem(const QString &text)
{
    clear();
    showLine(text, true);
}

void ExtractToStatus::updateProgress(const QVariant &progress)
{
    if (!isRunning())
        return;
    const qint64 percent = std::clamp(qint64(progress.toDouble() * 100), qint64(0), qint64(100));
    showLine(tr("Extracting to %1… %2%").arg(ORUtility::shortenFilePath(m_destination)).arg(percent), false);
}

void ExtractToStatus::finished(bool extracted)
{
    const std::shared_ptr<ExtractionOutcome> outcome = std::exchange(m_outcome, nullptr);
    m_cancelButton->hide();
    emit runningChanged(false);
    if (!outcome)
        return;
    QStringList skipped;
    for (const XADSkippedItem &item : std::as_const(outcome->skipped))
        skipped << QStringLiteral("%1: %2").arg(item.path, item.reason);
    const QString where = ORUtility::shortenFilePath(m_destination);
    if (extracted) {
        showLine(skipped.isEmpty()
                     ? tr("Extracted to %1").arg(where)
                     : tr("Extracted to %1; %n item(s) left out", nullptr, int(skipped.size())).arg(where),
                 false, skipped.join(QLatin1Char('\n')));
    } else if (outcome->status == ExtractionOutcome::Status::Abandoned) {
        showLine(tr("Extraction to %1 stopped").arg(where), false);
    } else {
        const QString why = outcome->detail.isEmpty() ? outcome->message : outcome->detail;
        showLine(tr("Could not extract to %1: %2").arg(where, why), true, skipped.join(QLatin1Char('\n')));
    }
    // What was written stays, even from a run that stopped: it can be looked at.
    const QFileInfo folder(m_destination);
    m_openFolderButton->setVisible(folder.isDir() && !QDir(m_destination).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void ExtractToStatus::showLine(const QString &text, bool problem, const QString &detail)
{
    m_statusField->setText(text);
    m_statusField->setToolTip(detail.isEmpty() ? m_destination : detail);
    ThemeFollower::style(m_statusField,
                         problem ? QStringLiteral("color:@danger;") : QStringLiteral("color:@muted;"));
}
