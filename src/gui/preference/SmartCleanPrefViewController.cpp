// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/preference/SmartCleanPrefViewController.h"

#include "core/foundation/ORPrefConfig.h"
#include "core/junk/ORJunkCategory.h"
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
constexpr int kColumns = 2;
}  // namespace

SmartCleanPrefViewController::SmartCleanPrefViewController(QWidget *parent) : PrefPane(parent)
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(32, 24, 32, 24);
    column->setSpacing(14);
    column->addWidget(sw::PageStyle::muted(tr("Look for these kinds of junk:"), this, 12));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(32);
    grid->setVerticalSpacing(12);
    int index = 0;
    for (const ORJunkCategory &category : ORJunkCategory::categories()) {
        const QString key = category.switchKey;
        auto *box = new PrefCheckBox(category.groupName(), kBoxNames.value(key, key), this);
        box->setChecked(ORPrefConfig::boolForKey(key));
        connect(box, &QCheckBox::clicked, this, [key](bool on) { ORPrefConfig::setObject(key, on); });
        grid->addWidget(box, index / kColumns, index % kColumns);
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
