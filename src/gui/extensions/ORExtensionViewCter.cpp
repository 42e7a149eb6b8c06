#include "ORExtensionViewCter.h"

#include "ExtNotifications.h"
#include "ItemListModel.h"
#include "ORExtDataCollection.h"
#include "ORImage.h"
#include "ORNotificationCenter.h"
#include "PageStyle.h"
#include "ScanProgressPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace sw;

namespace {
constexpr int kIconSide = 48;
}

ORExtensionViewCter::ORExtensionViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ScanPage(delegate, parent)
{
    setIdleView(buildBrief(), m_startBut);
    auto *column = static_cast<QVBoxLayout *>(progressPanel()->layout());
    m_itemIconView = new QLabel(progressPanel());
    m_itemIconView->setObjectName(QStringLiteral("itemIconView"));
    m_itemIconView->setFixedSize(kIconSide, kIconSide);
    m_itemIconView->setAlignment(Qt::AlignCenter);
    column->insertWidget(column->indexOf(scanTitleTextField()), m_itemIconView, 0, Qt::AlignHCenter);
    ORNotificationCenter::defaultCenter().addObserver(this, extnote::kTitle,
                                                      [this](const QVariant &v) { slideToField(v); });
}

QWidget *ORExtensionViewCter::buildBrief()
{
    auto *brief = new QWidget(this);
    auto *column = new QVBoxLayout(brief);
    column->setContentsMargins(48, 40, 48, 48);
    column->addStretch(2);
    auto *icon = new QLabel(brief);
    icon->setPixmap(ORImage::pixmap(QStringLiteral("or_extension_icon"), QSize(96, 96), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    column->addSpacing(12);
    auto *title = PageStyle::heading(tr("Extensions"), brief, 24);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto *text =
        PageStyle::muted(tr("See the add-ons installed in your browsers and your desktop, and remove "
                            "the ones you no longer use."),
                         brief, 12);
    text->setAlignment(Qt::AlignCenter);
    text->setFixedWidth(520);
    column->addWidget(text, 0, Qt::AlignHCenter);
    column->addSpacing(28);
    m_startBut = PageStyle::roundStartButton(tr("Start"), brief);
    m_startBut->setObjectName(QStringLiteral("startBut"));
    connect(m_startBut, &QPushButton::clicked, this, &ORExtensionViewCter::start);
    column->addWidget(m_startBut, 0, Qt::AlignHCenter);
    column->addStretch(3);
    return brief;
}

void ORExtensionViewCter::start()
{
    if (isScanning())
        return;
    runScan(
        ORExtDataCollection::shareInstance(), [](const ORExtData &) { return true; }, ExtensionsResultPage,
        ExtensionsResultPage);
    m_itemIconView->setPixmap(ORImage::pixmap(QStringLiteral("or_extension_icon"),
                                              QSize(kIconSide, kIconSide), devicePixelRatioF()));
}

void ORExtensionViewCter::slideToField(const QVariant &path)
{
    if (ORNotificationCenter::isNull(path) || !isScanning())
        return;
    progressPanel()->showPath(path);
    const QIcon icon = ItemListModel::iconForPath(path.toString());
    if (!icon.isNull())
        m_itemIconView->setPixmap(icon.pixmap(QSize(kIconSide, kIconSide), devicePixelRatioF()));
}
