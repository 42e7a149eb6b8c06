#include "ORShredDelViewCter.h"

#include "BusyCircleSlot.h"
#include "JobRunner.h"
#include "ORNotificationCenter.h"
#include "ORShredOperation.h"
#include "ORUtility.h"
#include "PageNumber.h"
#include "PageStyle.h"
#include "ShredNotifications.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcShredPages, "sweepwright.shreds.pages")

using namespace sw;

ORShredDelViewCter::ORShredDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), m_shredOperation(ORShredOperation::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 32);
    column->setSpacing(14);
    column->addStretch(1);
    m_circle = new BusyCircleSlot(this);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);

    m_removeSizeView = new QWidget(this);
    m_removeSizeView->setObjectName(QStringLiteral("removeSizeView"));
    auto *sizeRow = new QHBoxLayout(m_removeSizeView);
    sizeRow->setContentsMargins(0, 0, 0, 0);
    sizeRow->addStretch(1);
    sizeRow->addWidget(PageStyle::heading(tr("Removed"), m_removeSizeView, 16), 0, Qt::AlignBaseline);
    m_sizeDelField = new QLabel(m_removeSizeView);
    m_sizeDelField->setObjectName(QStringLiteral("sizeDelField"));
    m_removeUnitField = new QLabel(m_removeSizeView);
    m_removeUnitField->setObjectName(QStringLiteral("removeUnitField"));
    PageStyle::styleSizeLabels(m_sizeDelField, m_removeUnitField, 40);
    sizeRow->addWidget(m_sizeDelField, 0, Qt::AlignBaseline);
    sizeRow->addWidget(m_removeUnitField, 0, Qt::AlignBaseline);
    sizeRow->addStretch(1);
    column->addWidget(m_removeSizeView);

    m_failureTitle = PageStyle::muted(tr("These could not be removed:"), this, 11);
    column->addWidget(m_failureTitle, 0, Qt::AlignHCenter);
    m_failureList = new QListWidget(this);
    m_failureList->setObjectName(QStringLiteral("failureList"));
    m_failureList->setSelectionMode(QAbstractItemView::NoSelection);
    m_failureList->setMaximumHeight(160);
    column->addWidget(m_failureList);

    m_completionBut = PageStyle::primaryButton(tr("Done"), this);
    m_completionBut->setObjectName(QStringLiteral("completionBut"));
    connect(m_completionBut, &QPushButton::clicked, this, &ORShredDelViewCter::completionButton);
    column->addWidget(m_completionBut, 0, Qt::AlignHCenter);
    column->addStretch(2);

    m_runner = new JobRunner(this);
    connect(m_runner, &JobRunner::scanFinished, this, &ORShredDelViewCter::shredFinished);
    ORNotificationCenter::defaultCenter().addObserver(this, shrednote::kStart, [this](const QVariant &paths) {
        startShred(paths.toStringList());
    });
    or_Status(1);
}

void ORShredDelViewCter::or_Status(int status)
{
    const bool done = status == 0;
    m_sizeDelField->setVisible(done);
    m_completionBut->setVisible(done);
    m_removeSizeView->setVisible(done);
    const bool failures = done && m_failureList->count() > 0;
    m_failureTitle->setVisible(failures);
    m_failureList->setVisible(failures);
}

void ORShredDelViewCter::viewWillAppear()
{
    if (!isShredding())
        or_Status(1);
}

bool ORShredDelViewCter::isShredding() const
{
    return m_runner->isRunning();
}

void ORShredDelViewCter::startShred(const QStringList &paths)
{
    if (isShredding())
        return;
    m_failureList->clear();
    or_Status(1);
    m_circle->start(tr("Deleting"));
    butEnable(false);
    const bool overwrite = ORShredOperation::overwriteEnabled();
    ORShredOperation &operation = m_shredOperation;
    // Measuring what was chosen may take a while: it happens off the window's thread.
    m_runner->run([&operation, overwrite, paths](JobControl &job) {
        operation.setFolders(paths);
        operation.remove(job, overwrite);
        return true;
    });
}

void ORShredDelViewCter::shredFinished()
{
    qCDebug(lcShredPages) << "Delete action is completed";
    ORUtility::sizeFileFormat(m_sizeDelField, m_removeUnitField,
                              ORUtility::sizeFormatWithNumber(m_shredOperation.shredSize()));
    for (const RemovalFailure &failure : m_shredOperation.report().failures())
        m_failureList->addItem(QStringLiteral("%1 — %2").arg(failure.path, failure.reason));
    or_Status(0);
    butEnable(true);
    m_circle->stop();
}

void ORShredDelViewCter::completionButton()
{
    m_shredOperation.startOver();
    next(ShredderPage);
}
