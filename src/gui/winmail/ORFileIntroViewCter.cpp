// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/winmail/ORFileIntroViewCter.h"

#include "core/foundation/ORDispatch.h"
#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORPrefConfig.h"
#include "core/winmail/ORFileDataCollection.h"
#include "gui/controls/ORWaveView.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/shell/BusyCircleSlot.h"
#include "gui/shell/JobRunner.h"
#include "gui/shell/PageNumber.h"
#include "gui/shell/PageStyle.h"
#include "gui/winmail/FileNotifications.h"
#include "gui/winmail/ORFileDropView.h"
#include "gui/winmail/PasswordPanel.h"
#include "gui/winmail/TUEncodingPopUp.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <algorithm>

Q_LOGGING_CATEGORY(lcFilePages, "sweepwright.winmail.pages")

using namespace sw;

ORFileIntroViewCter::ORFileIntroViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_collection(ORFileDataCollection::shareInstance())
{
    m_stack = new QStackedLayout(this);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_idleView = buildIdleView();
    m_busyView = buildBusyView();
    m_stack->addWidget(m_idleView);
    m_stack->addWidget(m_busyView);
    m_runner = new JobRunner(this);
    connect(m_runner, &JobRunner::scanFinished, this, &ORFileIntroViewCter::extractFinished);
    connect(m_cancelButton, &QPushButton::clicked, this, &ORFileIntroViewCter::cancelExtraction);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ORFileIntroViewCter::cancelExtraction);

    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, filenote::kDrop, [this](const QVariant &paths) { gotoNext(paths.toStringList()); });
    center.addObserver(this, filenote::kProgress, [this](const QVariant &v) { updateProgress(v); });
    or_Status(sw::PageIdle);
}

ORFileIntroViewCter::~ORFileIntroViewCter() = default;

QWidget *ORFileIntroViewCter::buildIdleView()
{
    auto *idle = new QWidget(this);
    auto *column = new QVBoxLayout(idle);
    column->setContentsMargins(48, 36, 48, 32);
    column->setSpacing(0);
    auto *title = PageStyle::heading(tr("Archives"), idle, 24);
    column->addWidget(title, 0, Qt::AlignHCenter);
    column->addSpacing(6);
    auto *text = PageStyle::muted(tr("Open zip, rar, 7z, tar and many other archives, and the attachments in "
                                     "winmail.dat files: see what is inside, then open, save or mail it."),
                                  idle, 12);
    PageStyle::onWaveBand(text);
    text->setAlignment(Qt::AlignHCenter);
    // Wide enough for two lines in the longer languages: the drop area
    // below takes the height the window has left.
    text->setFixedWidth(760);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addSpacing(36);
    m_dropView = new ORFileDropView(idle);
    m_dropView->setMinimumSize(600, 280);
    m_dropView->setMaximumSize(760, 340);
    column->addWidget(m_dropView, 1, Qt::AlignHCenter);
    column->addSpacing(18);
    auto *encodingRow = new QHBoxLayout;
    encodingRow->setSpacing(10);
    encodingRow->addStretch(1);
    auto *encodingLabel = PageStyle::muted(tr("File name encoding:"), idle, 11);
    encodingLabel->setWordWrap(false);
    encodingRow->addWidget(encodingLabel);
    m_encodingPopUp = new TUEncodingPopUp(idle);
    encodingLabel->setBuddy(m_encodingPopUp);
    encodingRow->addWidget(m_encodingPopUp);
    encodingRow->addStretch(1);
    column->addLayout(encodingRow);
    column->addSpacing(14);
    m_errorField = new QLabel(idle);
    m_errorField->setObjectName(QStringLiteral("passwordErrorField"));
    m_errorField->setAlignment(Qt::AlignHCenter);
    ThemeFollower::style(m_errorField, QStringLiteral("color:@danger; font-weight:600;"));
    column->addWidget(m_errorField, 0, Qt::AlignHCenter);
    column->addStretch(1);
    auto *formats = PageStyle::muted(tr("zip, rar, 7z, tar, gz, bz2, xz, iso, cab, lzh, arj, cpio, deb, rpm, "
                                        "winmail.dat and more"),
                                     idle, 10);
    formats->setWordWrap(false);
    column->addWidget(formats, 0, Qt::AlignHCenter);
    return idle;
}

QWidget *ORFileIntroViewCter::buildBusyView()
{
    auto *busy = new QWidget(this);
    auto *column = new QVBoxLayout(busy);
    column->setContentsMargins(48, 48, 48, 48);
    column->setSpacing(14);
    column->addStretch(2);
    m_circle = new BusyCircleSlot(busy);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);
    m_progressField = PageStyle::heading(QString(), busy, 16);
    m_progressField->setObjectName(QStringLiteral("progressField"));
    m_progressField->setAlignment(Qt::AlignHCenter);
    column->addWidget(m_progressField, 0, Qt::AlignHCenter);
    m_cancelButton = PageStyle::secondaryButton(tr("Cancel"), busy);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    column->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    column->addStretch(3);
    return busy;
}

void ORFileIntroViewCter::or_Status(sw::PageStatus status)
{
    if (status == sw::PageIdle && isExtracting())
        return;
    m_stack->setCurrentWidget(status == sw::PageIdle ? m_idleView : m_busyView);
    if (status == sw::PageIdle) {
        m_errorField->clear();
        // Opened anew from the sidebar: the result shown before is no
        // page's any more, and its extracted files go.
        m_collection.startOver();
    }
}

void ORFileIntroViewCter::viewWillAppear()
{
    if (!m_waveView) {
        m_waveView = new ORWaveView(this, ThemeColors::ArchiveWaveStart, ThemeColors::ArchiveWaveEnd);
        m_waveView->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_waveView->setGeometry(0, 0, width(), kWaveHeight);
    m_waveView->lower();
    m_waveView->show();
    // The setting may have changed (or been registered) since the last visit.
    m_encodingPopUp->selectEncoding(ORPrefConfig::integerForKey(QStringLiteral("filenameEncoding")));
}

void ORFileIntroViewCter::resizeEvent(QResizeEvent *event)
{
    ORBaseViewCter::resizeEvent(event);
    if (m_waveView)
        m_waveView->setGeometry(0, 0, width(), kWaveHeight);
}

bool ORFileIntroViewCter::isExtracting() const
{
    return m_runner->isRunning();
}

void ORFileIntroViewCter::gotoNext(const QStringList &paths)
{
    if (paths.isEmpty() || isExtracting())
        return;
    m_srcPath = paths.first();
    qCDebug(lcFilePages) << "Extract----->" << m_srcPath;
    m_collection.startOver();
    m_errorField->clear();
    m_stack->setCurrentWidget(m_busyView);
    butEnable(false);
    m_circle->start(tr("Extracting..."));
    m_progressField->setText(ORFileDataCollection::isWinmailPath(m_srcPath) ? tr("Extracting...")
                                                                            : QStringLiteral("0%"));
    m_cancelButton->setEnabled(true);

    auto outcome = std::make_shared<ExtractionOutcome>();
    m_outcome = outcome;
    QPointer<ORFileIntroViewCter> self(this);
    // Called on the worker: the panel itself runs here, the worker waits.
    ORFileDataCollection::PasswordPrompt prompt = [self](const QString &problem) -> std::optional<QString> {
        std::optional<QString> answer;
        ORDispatch::mainSync([&answer, &problem, self] {
            if (self)
                answer = self->askPassword(problem);
        });
        return answer;
    };
    ExtractionRequest request;
    request.source = m_srcPath;
    ORFileDataCollection &collection = m_collection;
    m_runner->run([outcome, request, prompt, &collection](JobControl &job) {
        *outcome = collection.extract(request, prompt, job);
        if (outcome->status != ExtractionOutcome::Status::Extracted)
            return false;
        collection.fileData();  // built here, off the main thread
        return true;
    });
    m_cancelButton->setFocus();
}

std::optional<QString> ORFileIntroViewCter::askPassword(const QString &problem)
{
    if (!m_passwordPanel) {
        m_passwordPanel = new PasswordPanel(QFileInfo(m_srcPath).fileName(), window());
        // Cancel while a password is tried stops the extraction too.
        connect(m_passwordPanel, &QDialog::rejected, this, &ORFileIntroViewCter::cancelExtraction);
    }
    return m_passwordPanel->ask(problem);
}

void ORFileIntroViewCter::closePasswordPanel()
{
    // Never from inside the panel's own wait: it returns first. Hidden, not
    // closed: closing a dialog is its Cancel.
    if (m_passwordPanel && !m_passwordPanel->isWaiting()) {
        m_passwordPanel->hide();
        m_passwordPanel->deleteLater();
        m_passwordPanel = nullptr;
    }
}

void ORFileIntroViewCter::updateProgress(const QVariant &progress)
{
    if (!isExtracting())
        return;
    closePasswordPanel();
    if (ORFileDataCollection::isWinmailPath(m_srcPath))
        return;
    const qint64 percent = std::clamp(qint64(progress.toDouble() * 100), qint64(0), qint64(100));
    m_progressField->setText(QStringLiteral("%1%").arg(percent));
}

void ORFileIntroViewCter::cancelExtraction()
{
    if (!isExtracting())
        return;
    m_runner->cancel();
    m_cancelButton->setEnabled(false);
}

void ORFileIntroViewCter::extractFinished(bool extracted)
{
    const std::shared_ptr<ExtractionOutcome> outcome = std::exchange(m_outcome, nullptr);
    closePasswordPanel();
    m_circle->stop();
    butEnable(true);
    m_stack->setCurrentWidget(m_idleView);
    if (extracted) {
        next(ArchivesResultPage);
        ORNotificationCenter::defaultCenter().postNotification(filenote::kGet, QVariant());
        return;
    }
    using Status = ExtractionOutcome::Status;
    if (!outcome || outcome->status == Status::Abandoned)
        return;
    qCDebug(lcFilePages) << "Extraction failed----->" << outcome->error << outcome->detail;
    m_errorField->setText(!outcome->message.isEmpty() ? outcome->message
                                                      : tr("Unarchive error or password error, try again!"));
    m_dropView->addButton()->setFocus();
}
