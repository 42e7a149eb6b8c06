#include "ORJunkDelViewCter.h"

#include "ORDispatch.h"
#include "ORImage.h"
#include "ORJunkFilesCollection.h"
#include "ORNotificationCenter.h"
#include "ORProgressView.h"
#include "ORUtility.h"
#include "PageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

ORJunkDelViewCter::ORJunkDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), junkDataCollection(ORJunkFilesCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    m_circleHolder = new QWidget(this);
    m_circleHolder->setFixedSize(180, 180);
    column->addWidget(m_circleHolder, 0, Qt::AlignHCenter);

    m_removeSizeView = new QWidget(this);
    auto *done = new QVBoxLayout(m_removeSizeView);
    auto *check = new QLabel(m_removeSizeView);
    check->setPixmap(ORImage::pixmap(QStringLiteral("or_done"), QSize(72, 72), devicePixelRatioF()));
    check->setAlignment(Qt::AlignCenter);
    done->addWidget(check);
    auto *caption = PageStyle::heading(tr("Cleaning complete"), m_removeSizeView, 18);
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
    connect(m_completionBut, &QPushButton::clicked, this, &ORJunkDelViewCter::completeButton);
    column->addWidget(m_completionBut, 0, Qt::AlignHCenter);
    column->addStretch(3);

    ORNotificationCenter::defaultCenter().addObserver(this, QStringLiteral("deljunks"), [this](const QVariant &) {
        startDel();
    });
}

void ORJunkDelViewCter::viewWillAppear()
{
    or_Status(1);
}

void ORJunkDelViewCter::or_Status(int status)
{
    const bool done = status == 0;
    m_sizeDelField->setVisible(done);
    m_completionBut->setVisible(done);
    m_removeSizeView->setVisible(done);
    m_circleHolder->setVisible(!done);
}

void ORJunkDelViewCter::startDel()
{
    if (m_deleting)
        return;
    m_deleting = true;
    or_Status(1);
    delete m_circleView;
    m_circleView = new ORProgressView(m_circleHolder, true);
    m_circleView->setGeometry(0, 0, 180, 180);
    m_circleView->setupWithTitle(tr("Deleting"));
    m_circleView->show();
    m_circleView->start();
    butEnable(false);
    QPointer<ORJunkDelViewCter> self(this);
    ORDispatch::global(ORDispatch::Priority::Background, [self, engine = &junkDataCollection] {
        engine->deleteJunks();
        ORDispatch::main([self] {
            if (self)
                self->deleteFinished();
        });
    });
}

void ORJunkDelViewCter::deleteFinished()
{
    m_deleting = false;
    ORUtility::sizeFileFormat(m_sizeDelField, m_removeUnitField,
                              ORUtility::sizeFormatWithNumber(junkDataCollection.delSize()));
    or_Status(0);
    butEnable(true);
    if (m_circleView) {
        m_circleView->stop();
        m_circleView->deleteLater();
        m_circleView = nullptr;
    }
    m_completionBut->setFocus();
}

void ORJunkDelViewCter::completeButton()
{
    junkDataCollection.startOver();
    next(1);
}
