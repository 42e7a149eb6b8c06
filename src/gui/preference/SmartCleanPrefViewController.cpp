// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/SmartCleanPrefViewController.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/junk/JunkAgeRules.h"
#include "core/junk/ORJunkCategory.h"
#include "gui/controls/AgeLimitControl.h"
#include "gui/controls/ORImage.h"
#include "gui/preference/PrefCheckBox.h"
#include "gui/shell/PageStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
// The objects the boxes are known by, after the switch they control.
const QMap<QString, QString> kBoxNames{
    {QStringLiteral("application junks"), QStringLiteral("btnAppJunk")},
    {QStringLiteral("leftover"), QStringLiteral("btnLeftover")},
    {QStringLiteral("syscache"), QStringLiteral("btnSysCache")},
    {QStringLiteral("syslog"), QStringLiteral("btnSysLog")},
    {QStringLiteral("mailjunk"), QStringLiteral("btnMail")},
    {QStringLiteral("itunesjunk"), QStringLiteral("btnItunes")},
    {QStringLiteral("APPlanguage"), QStringLiteral("btnLanguage")},
    {QStringLiteral("IOSbackups"), QStringLiteral("btnBackup")},
    {QStringLiteral("IOSupdate"), QStringLiteral("btnUpdate")},
    {QStringLiteral("trash"), QStringLiteral("btnTrash")},
    {QStringLiteral("download"), QStringLiteral("btnDownload")},
    {QStringLiteral("orxcode"), QStringLiteral("btnXcode")},
    {QStringLiteral("orbrowser"), QStringLiteral("btnBrowser")},
};
}  // namespace

// The category's "only items older than N days", beside its box.
sw::AgeLimitControl *SmartCleanPrefViewController::ageLimitOf(const ORJunkCategory &category)
{
    const QString key = category.switchKey;
    auto *age = new sw::AgeLimitControl(tr("Only items older than"),
                                        tr("%1: only items older than a number of days").arg(category.groupName()),
                                        this);
    age->setLimit(ORPrefConfig::junkAgeEnable(key),
                  int(ORPrefConfig::junkAgeDays(key, sw::JunkAgeRules::offeredDays(category.groupID))));
    connect(age, &sw::AgeLimitControl::changed, this, [key](bool on, int days) {
        ORPrefConfig::setJunkAgeEnable(key, on);
        ORPrefConfig::setJunkAgeDays(key, days);
    });
    m_ageLimits.insert(key, age);
    return age;
}

SmartCleanPrefViewController::SmartCleanPrefViewController(QWidget *parent) : PrefPane(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(14);
    column->addWidget(sw::PageStyle::muted(tr("Look for these kinds of junk:"), this, 12));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(12);
    int index = 0;
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        const QString key = category.switchKey;
        auto *box = new PrefCheckBox(category.groupName(), kBoxNames.value(key, key), this);
        box->setChecked(ORPrefConfig::boolForKey(key));
        connect(box, &QCheckBox::clicked, this, [key](bool on) { ORPrefConfig::setObject(key, on); });
        grid->addWidget(box, index, 0);
        grid->addWidget(ageLimitOf(category), index, 1);
        m_boxes.insert(key, box);
        ++index;
    }
    column->addLayout(grid);
    column->addStretch(1);
}

QIcon SmartCleanPrefViewController::toolbarItemImage() const
{
    return ORImage::icon(QStringLiteral("clean"));
}
