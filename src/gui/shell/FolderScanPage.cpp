// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/FolderScanPage.h"

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORPrefConfig.h"
#include "gui/controls/AgeLimitControl.h"
#include "gui/shell/FolderDropView.h"
#include "gui/shell/FolderListPanel.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ScanProgressPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

FolderScanPage::FolderScanPage(ORBasedViewCterDelegate *delegate, QWidget *parent, const Intro &intro,
                               FolderDropView *dropView, const Lists &lists)
    : ScanPage(delegate, parent), m_lists(lists), m_foldersKey(intro.foldersKey)
{
    QWidget *idle = buildIdleView(intro, dropView);
    setIdleView(idle, m_startButton);
    connect(m_startButton, &QPushButton::clicked, this, [this] { scanButton(); });
    connect(m_folderPanel, &FolderListPanel::foldersChanged, this, [this] {
        const QStringList folders = m_folderPanel->folders();
        m_startButton->setEnabled(!folders.isEmpty());
        // An emptied list is forgotten: the next run starts from the defaults.
        if (folders.isEmpty())
            ORPrefConfig::removeObject(m_foldersKey);
        else
            ORPrefConfig::setObject(m_foldersKey, folders);
    });
    m_startButton->setEnabled(!m_folderPanel->folders().isEmpty());
    addAgeLimit();
    ORNotificationCenter &center = ORNotificationCenter::defaultCenter();
    center.addObserver(this, intro.pathNotification, [this](const QVariant &v) { slideToField(v); });
    center.addObserver(this, intro.foundNotification, [this](const QVariant &v) { foundJunkSize(v); });
}

QWidget *FolderScanPage::buildIdleView(const Intro &intro, FolderDropView *dropView)
{
    auto *idle = new QWidget(this);
    auto *column = new QVBoxLayout(idle);
    column->setContentsMargins(48, 28, 48, 28);
    column->setSpacing(0);
    auto *header = new QHBoxLayout;
    header->setSpacing(18);
    header->addStretch(1);
    auto *icon = new QLabel(idle);
    PageStyle::showImage(icon, intro.image, QSize(72, 72));
    header->addWidget(icon);
    auto *texts = new QVBoxLayout;
    texts->addWidget(PageStyle::heading(intro.title, idle, 24));
    auto *text = PageStyle::muted(intro.text, idle, 12);
    PageStyle::onWaveBand(text);
    text->setFixedWidth(520);
    texts->addWidget(text);
    header->addLayout(texts);
    header->addStretch(1);
    column->addLayout(header);
    column->addSpacing(44);
    m_folderPanel = new FolderListPanel(dropView, initialFolders(), idle);
    m_folderPanel->setMinimumHeight(220);
    column->addWidget(m_folderPanel, 1);
    column->addSpacing(24);
    m_startButton = PageStyle::roundStartButton(tr("&Scan"), idle);
    m_startButton->setObjectName(QStringLiteral("startButton"));
    column->addWidget(m_startButton, 0, Qt::AlignHCenter);
    m_optionHolder = new QWidget(idle);
    auto *options = new QVBoxLayout(m_optionHolder);
    options->setContentsMargins(0, 10, 0, 0);
    options->setSpacing(6);
    m_optionHolder->hide();
    column->addWidget(m_optionHolder, 0, Qt::AlignHCenter);
    return idle;
}

namespace {
// What the number shows when nobody set it yet: files untouched for a month.
constexpr int kOfferedDays = 30;
}  // namespace

void FolderScanPage::addAgeLimit()
{
    const QString onKey = m_foldersKey + QStringLiteral("OlderThanOn");
    const QString daysKey = m_foldersKey + QStringLiteral("OlderThanDays");
    m_ageLimit = new AgeLimitControl(tr("Only files older than"), tr("Only files older than a number of days"), this);
    m_ageLimit->setToolTip(tr("Leave out files modified more recently; among duplicates, newer copies stay."));
    const QVariant days = ORPrefConfig::objectForKey(daysKey);
    m_ageLimit->setLimit(ORPrefConfig::boolForKey(onKey), days.isValid() ? int(days.toLongLong()) : kOfferedDays);
    connect(m_ageLimit, &AgeLimitControl::changed, this, [onKey, daysKey](bool on, int value) {
        ORPrefConfig::setObject(onKey, on);
        ORPrefConfig::setObject(daysKey, value);
    });
    addOption(m_ageLimit);
}

int FolderScanPage::ageLimitDays() const
{
    return m_ageLimit->effectiveDays();
}

QStringList FolderScanPage::initialFolders() const
{
    const QVariant stored = ORPrefConfig::objectForKey(m_foldersKey);
    return stored.isValid() ? stored.toStringList() : m_lists.folders;
}

void FolderScanPage::slideToField(const QVariant &path)
{
    progressPanel()->showPath(path);
}

ORTableView *FolderScanPage::folderTableView() const
{
    return m_folderPanel->folderTableView();
}

FolderDropView *FolderScanPage::dropView() const
{
    return m_folderPanel->dropView();
}

QStringList FolderScanPage::folders() const
{
    return m_folderPanel->folders();
}

void FolderScanPage::addOption(QWidget *option)
{
    option->setParent(m_optionHolder);
    static_cast<QVBoxLayout *>(m_optionHolder->layout())->addWidget(option, 0, Qt::AlignHCenter);
    m_optionHolder->show();
}

}  // namespace sw
