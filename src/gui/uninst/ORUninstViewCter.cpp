// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/uninst/ORUninstViewCter.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/platform/ORLayout.h"
#include "core/uninst/AppNotifications.h"
#include "core/uninst/ORAppDataCollection.h"
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

// Set by the scan's outcome when it found too few applications; read when
// the scan has ended.
bool g_tooFew = false;

// The result page needs two applications at least; fewer empty the engine.
bool enoughApps(const ORAppData &data)
{
    g_tooFew = data.appGroups.size() < 2;
    if (g_tooFew)
        ORAppDataCollection::shareInstance().startOver();
    return !g_tooFew;
}

}  // namespace

ORUninstViewCter::ORUninstViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ScanPage(delegate, parent)
{
    // Made first: buildBrief() sets m_startBut, and the arguments of a call
    // may be read in any order (Return started no scan).
    QWidget *brief = buildBrief();
    setIdleView(brief, m_startBut);
    // The icon of the application looked at, over its path.
    m_appIconView = addItemIconView(QStringLiteral("appIconView"), kIconSide);
    connect(runner(), &JobRunner::scanFinished, this, &ORUninstViewCter::scanEnded);
    ORNotificationCenter::defaultCenter().addObserver(this, appnote::kTitle,
                                                      [this](const QVariant &v) { slideToField(v); });
}

QWidget *ORUninstViewCter::buildBrief()
{
    const PageStyle::StartBrief brief =
        PageStyle::startBrief(this, QStringLiteral("or_app_icon"), tr("Uninstaller"),
                              ORLayout::isMacOS()
                                  ? tr("See every installed application with the caches, settings and data it "
                                       "leaves behind, and remove an application completely or just its leftovers. "
                                       "What you remove goes to the Trash; your own data stays unless you tick it.")
                                  : tr("See every installed application with the caches, settings and data it "
                                       "keeps, and remove an application together with them. Files of yours go to "
                                       "the Trash; your own data stays unless you tick it."));
    m_startBut = brief.startButton;
    connect(m_startBut, &QPushButton::clicked, this, &ORUninstViewCter::scanButton);
    brief.column->addSpacing(12);
    m_noteField = PageStyle::muted(QString(), brief.widget, 11);
    m_noteField->setObjectName(QStringLiteral("noteField"));
    m_noteField->setAlignment(Qt::AlignCenter);
    brief.column->addWidget(m_noteField);
    brief.column->addStretch(3);
    return brief.widget;
}

void ORUninstViewCter::or_Status(sw::PageStatus status)
{
    ScanPage::or_Status(status);
    if (status != sw::PageIdle)
        m_noteField->clear();
}

void ORUninstViewCter::scanButton()
{
    if (isScanning())
        return;
    g_tooFew = false;
    runScan(ORAppDataCollection::shareInstance(), enoughApps, UninstallerResultPage, UninstallerPage);
    progressPanel()->scanTextField()->setText(tr("Scanning the installed applications…"));
    progressPanel()->scanTitleTextField()->setText(tr("Collecting..."));
    m_appIconView->setPixmap(
        ORImage::pixmap(QStringLiteral("or_app_icon"), QSize(kIconSide, kIconSide), devicePixelRatioF()));
}

void ORUninstViewCter::slideToField(const QVariant &path)
{
    if (ORNotificationCenter::isNull(path) || !isScanning())
        return;
    progressPanel()->showPath(path);
    const QIcon icon = ItemListModel::iconForPath(path.toString());
    if (!icon.isNull())
        m_appIconView->setPixmap(icon.pixmap(QSize(kIconSide, kIconSide), devicePixelRatioF()));
}

// After the page's own handler: a scan with too few applications came back
// to this page, whose wave band is made again.
void ORUninstViewCter::scanEnded(bool completed)
{
    if (!completed || !g_tooFew)
        return;
    viewWillAppear();
    m_noteField->setText(tr("Fewer than two applications were found: there is nothing to uninstall."));
}
