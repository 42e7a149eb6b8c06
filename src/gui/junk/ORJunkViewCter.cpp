#include "ORJunkViewCter.h"

#include "ORImage.h"
#include "JunkNotifications.h"
#include "ORJunkFilesCollection.h"
#include "ORNotificationCenter.h"
#include "PageStyle.h"
#include "ScanProgressPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

ORJunkViewCter::ORJunkViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent) : ScanPage(delegate, parent)
{
    QWidget *brief = buildBrief();
    setIdleView(brief, m_startBut);
    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, junknote::kTitle, [this](const QVariant &v) { slideToField(v); });
    center.addObserver(this, junknote::kSize, [this](const QVariant &v) { foundJunkSize(v); });
}

QWidget *ORJunkViewCter::buildBrief()
{
    auto *brief = new QWidget(this);
    auto *column = new QVBoxLayout(brief);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *icon = new QLabel(brief);
    icon->setPixmap(ORImage::pixmap(QStringLiteral("or_cache_icon"), QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    column->addSpacing(12);
    auto *title = PageStyle::heading(tr("Junk Clean"), brief, 24);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto *text = PageStyle::muted(tr("Find caches, logs, leftovers of removed applications, the Trash and other "
                                     "files you no longer need, and free up space safely."),
                                  brief, 12);
    text->setAlignment(Qt::AlignCenter);
    text->setFixedWidth(520);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addSpacing(28);
    m_startBut = PageStyle::roundStartButton(tr("Start"), brief);
    m_startBut->setObjectName(QStringLiteral("startBut"));
    connect(m_startBut, &QPushButton::clicked, this, &ORJunkViewCter::scanButton);
    column->addWidget(m_startBut, 0, Qt::AlignHCenter);
    column->addStretch(3);
    return brief;
}

void ORJunkViewCter::slideToField(const QVariant &path)
{
    progressPanel()->showPath(path);
}

void ORJunkViewCter::foundJunkSize(const QVariant &size)
{
    progressPanel()->showFoundSize(size);
}

void ORJunkViewCter::scanButton()
{
    // An empty result means no category was switched on.
    runScan(
        ORJunkFilesCollection::shareInstance(), [](const ORJunkData &data) { return !data.junkGroups.isEmpty(); },
        JunkResultPage, JunkNothingPage);
}
