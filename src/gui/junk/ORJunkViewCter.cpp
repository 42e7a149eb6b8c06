// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/junk/ORJunkViewCter.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/junk/JunkNotifications.h"
#include "core/junk/ORJunkFilesCollection.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ScanProgressPanel.h"

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
    const PageStyle::StartBrief brief =
        PageStyle::startBrief(this, QStringLiteral("or_cache_icon"), tr("Junk Clean"),
                              tr("Find caches, logs, leftovers of removed applications, the Trash and other "
                                 "files you no longer need, and free up space safely."));
    m_startBut = brief.startButton;
    connect(m_startBut, &QPushButton::clicked, this, &ORJunkViewCter::scanButton);
    brief.column->addStretch(3);
    return brief.widget;
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
