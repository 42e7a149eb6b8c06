#include "ORJunkViewCter.h"

#include "ORDispatch.h"
#include "ORImage.h"
#include "ORJunkFilesCollection.h"
#include "ORLayout.h"
#include "ORNotificationCenter.h"
#include "ORProgressView.h"
#include "ORUtility.h"
#include "ORWaveView.h"
#include "PageStyle.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

using namespace sw;

ORJunkViewCter::ORJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), junkDataCollection(ORJunkFilesCollection::shareInstance())
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildBrief();
    buildProgress();
    layout->addWidget(m_briefView);
    layout->addWidget(m_progressView);

    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, QStringLiteral("junktitle"), [this](const QVariant &v) { slideToField(v); });
    center.addObserver(this, QStringLiteral("junksize"), [this](const QVariant &v) { foundJunkSize(v); });
    or_Status(0);
}

void ORJunkViewCter::buildBrief()
{
    m_briefView = new QWidget(this);
    auto *column = new QVBoxLayout(m_briefView);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *icon = new QLabel(m_briefView);
    icon->setPixmap(ORImage::pixmap(QStringLiteral("or_cache_icon"), QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    column->addSpacing(12);
    auto *title = PageStyle::heading(tr("Junk Clean"), m_briefView, 24);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto *text = PageStyle::muted(tr("Find caches, logs, leftovers of removed applications, the Trash and other "
                                     "files you no longer need, and free up space safely."),
                                  m_briefView, 12);
    text->setAlignment(Qt::AlignCenter);
    text->setFixedWidth(520);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addSpacing(28);
    m_startBut = PageStyle::roundStartButton(tr("Start"), m_briefView);
    m_startBut->setObjectName(QStringLiteral("startBut"));
    m_startBut->setDefault(true);
    connect(m_startBut, &QPushButton::clicked, this, &ORJunkViewCter::scanButton);
    column->addWidget(m_startBut, 0, Qt::AlignHCenter);
    column->addStretch(3);
}

void ORJunkViewCter::buildProgress()
{
    m_progressView = new QWidget(this);
    auto *column = new QVBoxLayout(m_progressView);
    column->setContentsMargins(48, 0, 48, 40);
    column->setSpacing(6);
    column->addStretch(2);
    m_circleHolder = new QWidget(m_progressView);
    m_circleHolder->setFixedSize(180, 180);
    column->addWidget(m_circleHolder, 0, Qt::AlignHCenter);
    column->addSpacing(18);
    m_scanTextField = PageStyle::heading(QString(), m_progressView, 18);
    m_scanTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_scanTextField);
    m_infoTextField = PageStyle::muted(QString(), m_progressView, 11);
    m_infoTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_infoTextField);
    column->addSpacing(10);
    m_foundTextField = PageStyle::heading(QString(), m_progressView, 14);
    m_foundTextField->setObjectName(QStringLiteral("foundTextField"));
    m_foundTextField->setStyleSheet(QStringLiteral("color:%1;").arg(QLatin1String(PageStyle::kGreen)));
    m_foundTextField->setAlignment(Qt::AlignCenter);
    column->addWidget(m_foundTextField);
    m_scanTitleTextField = PageStyle::muted(QString(), m_progressView, 10);
    m_scanTitleTextField->setObjectName(QStringLiteral("scanTitleTextField"));
    m_scanTitleTextField->setAlignment(Qt::AlignCenter);
    m_scanTitleTextField->setWordWrap(false);
    m_scanTitleTextField->setMinimumWidth(1);
    m_scanTitleTextField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(m_scanTitleTextField);
    column->addStretch(3);
}

void ORJunkViewCter::viewWillAppear()
{
    if (!m_waveView) {
        m_waveView = new ORWaveView(this, QColor(197, 236, 170), QColor(120, 205, 70));
        m_waveView->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    m_waveView->setGeometry(0, 0, width(), 228);
    m_waveView->lower();
    m_waveView->show();
    m_scanTextField->setText(ORLayout::isMacOS() ? tr("Scanning your Mac now...")
                                                 : tr("Scanning your computer now..."));
    m_infoTextField->setText(tr("This might take a while, but it's worth it."));
    m_foundTextField->setText(QString());
}

void ORJunkViewCter::resizeEvent(QResizeEvent *event)
{
    ORBaseViewCter::resizeEvent(event);
    if (m_waveView)
        m_waveView->setGeometry(0, 0, width(), 228);
}

void ORJunkViewCter::or_Status(int status)
{
    m_briefView->setVisible(status == 0);
    m_progressView->setVisible(status != 0);
}

void ORJunkViewCter::slideToField(const QVariant &path)
{
    if (ORNotificationCenter::isNull(path))
        return;
    const QString shortened = ORUtility::shortenFilePath(path.toString());
    m_scanTitleTextField->setText(
        m_scanTitleTextField->fontMetrics().elidedText(shortened, Qt::ElideMiddle, qMax(200, width() - 120)));
}

void ORJunkViewCter::foundJunkSize(const QVariant &size)
{
    if (ORNotificationCenter::isNull(size))
        return;
    m_foundTextField->setText(tr("Found: %1").arg(ORUtility::sizeFormatWithNumber(size.toLongLong())));
}

void ORJunkViewCter::scanButton()
{
    delete m_circleView;
    m_circleView = new ORProgressView(m_circleHolder, true);
    m_circleView->setGeometry(0, 0, 180, 180);
    m_circleView->setupWithTitle(tr("Scanning"));
    m_circleView->show();
    m_circleView->start();
    or_Status(1);
    butEnable(false);
    QPointer<ORJunkViewCter> self(this);
    ORDispatch::global(ORDispatch::Priority::Background, [self, engine = &junkDataCollection] {
        if (!engine->scanJunkDataFlag())
            return;
        const bool hasGroups = !engine->junkData()->junkGroups.isEmpty();
        ORDispatch::main([self, hasGroups] {
            if (self)
                self->scanFinished(hasGroups);
        });
    });
}

void ORJunkViewCter::scanFinished(bool hasGroups)
{
    next(hasGroups ? 2 : 4);
    butEnable(true);
    if (m_circleView) {
        m_circleView->stop();
        m_circleView->deleteLater();
        m_circleView = nullptr;
    }
    if (m_waveView) {
        m_waveView->deleteLater();
        m_waveView = nullptr;
    }
}
