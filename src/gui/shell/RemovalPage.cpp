#include "RemovalPage.h"

#include "BusyCircleSlot.h"
#include "ORDispatch.h"
#include "ORImage.h"
#include "ORNotificationCenter.h"
#include "ORUtility.h"
#include "PageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcRemovalPage, "sweepwright.pages.removal")

namespace sw {

RemovalPage::RemovalPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Tool tool)
    : ORBaseViewCter(delegate, parent), m_tool(std::move(tool))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    m_circle = new BusyCircleSlot(this);
    column->addWidget(m_circle, 0, Qt::AlignHCenter);

    m_removeSizeView = new QWidget(this);
    m_removeSizeView->setObjectName(QStringLiteral("removeSizeView"));
    auto *done = new QVBoxLayout(m_removeSizeView);
    auto *check = new QLabel(m_removeSizeView);
    check->setPixmap(ORImage::pixmap(QStringLiteral("or_done"), QSize(72, 72), devicePixelRatioF()));
    check->setAlignment(Qt::AlignCenter);
    done->addWidget(check);
    auto *caption = PageStyle::heading(m_tool.doneCaption, m_removeSizeView, 18);
    caption->setAlignment(Qt::AlignCenter);
    done->addWidget(caption);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addStretch(1);
    sizeRow->addWidget(PageStyle::muted(tr("Removed"), m_removeSizeView, 12), 0, Qt::AlignBottom);
    m_sizeDelField = new QLabel(m_removeSizeView);
    m_sizeDelField->setObjectName(QStringLiteral("sizeDelField"));
    m_removeUnitField = new QLabel(m_removeSizeView);
    m_removeUnitField->setObjectName(QStringLiteral("removeUnitField"));
    PageStyle::styleSizeLabels(m_sizeDelField, m_removeUnitField, 30);
    sizeRow->addWidget(m_sizeDelField, 0, Qt::AlignBottom);
    sizeRow->addWidget(m_removeUnitField, 0, Qt::AlignBottom);
    sizeRow->addStretch(1);
    done->addLayout(sizeRow);
    column->addWidget(m_removeSizeView);
    column->addSpacing(24);
    m_completionBut = PageStyle::primaryButton(tr("Done"), this);
    m_completionBut->setObjectName(QStringLiteral("completionBut"));
    m_completionBut->setMinimumWidth(140);
    connect(m_completionBut, &QPushButton::clicked, this, &RemovalPage::completeButton);
    column->addWidget(m_completionBut, 0, Qt::AlignHCenter);
    column->addStretch(3);

    ORNotificationCenter::defaultCenter().addObserver(this, m_tool.notification,
                                                      [this](const QVariant &) { startDel(); });
}

void RemovalPage::viewWillAppear()
{
    or_Status(1);
}

void RemovalPage::or_Status(int status)
{
    const bool done = status == 0;
    m_sizeDelField->setVisible(done);
    m_completionBut->setVisible(done);
    m_removeSizeView->setVisible(done);
    m_circle->setVisible(!done);
}

void RemovalPage::startDel()
{
    if (m_deleting)
        return;
    m_deleting = true;
    or_Status(1);
    m_circle->start(tr("Deleting"));
    butEnable(false);
    QPointer<RemovalPage> self(this);
    ORDispatch::global(ORDispatch::Priority::Background, [self, remove = m_tool.remove] {
        remove();
        ORDispatch::main([self] {
            if (self)
                self->deleteFinished();
        });
    });
}

void RemovalPage::deleteFinished()
{
    m_deleting = false;
    qCDebug(lcRemovalPage) << "Delete action is completed";
    ORUtility::sizeFileFormat(m_sizeDelField, m_removeUnitField, ORUtility::sizeFormatWithNumber(m_tool.delSize()));
    or_Status(0);
    butEnable(true);
    m_circle->stop();
    m_completionBut->setFocus();
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

void RemovalPage::postAfterWorkerHop(const QString &name)
{
    ORDispatch::global(ORDispatch::Priority::Default, [name] {
        ORDispatch::main([name] { ORNotificationCenter::defaultCenter().postNotification(name); });
    });
}

}  // namespace sw
