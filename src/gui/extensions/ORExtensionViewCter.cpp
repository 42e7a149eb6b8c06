// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/extensions/ORExtensionViewCter.h"

#include "core/extensions/ExtNotifications.h"
#include "core/extensions/ORExtDataCollection.h"
#include "core/foundation/ORNotificationCenter.h"
#include "gui/controls/ORImage.h"
#include "gui/shell/ItemListModel.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ScanProgressPanel.h"

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
    // Made first: buildBrief() sets m_startBut, and the arguments of a call
    // may be read in any order (Return started no scan).
    QWidget *brief = buildBrief();
    setIdleView(brief, m_startBut);
    m_itemIconView = addItemIconView(QStringLiteral("itemIconView"), kIconSide);
    ORNotificationCenter::defaultCenter().addObserver(this, extnote::kTitle,
                                                      [this](const QVariant &v) { slideToField(v); });
}

QWidget *ORExtensionViewCter::buildBrief()
{
    const PageStyle::StartBrief brief =
        PageStyle::startBrief(this, QStringLiteral("or_extension_icon"), tr("Extensions"),
                              tr("See the add-ons installed in your browsers and your desktop, and remove "
                                 "the ones you no longer use."));
    m_startBut = brief.startButton;
    connect(m_startBut, &QPushButton::clicked, this, &ORExtensionViewCter::start);
    brief.column->addStretch(3);
    return brief.widget;
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
