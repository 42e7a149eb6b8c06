// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/uninst/ORUninstResultViewCter.h"

#include "core/foundation/ORUtility.h"
#include "core/uninst/AppNotifications.h"
#include "core/uninst/AppTicks.h"
#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/uninst/ORUninstDelViewCter.h"

#include <QFileInfo>
#include <QSet>

using namespace sw;

namespace {
constexpr int kAppIconSide = 56;
}

int UninstResultTraits::selectedCountOf(const ORAppData &data)
{
    QSet<const ORAppDataGroup *> apps;
    selection::forEachVisibleMarked(data.appGroups, [&apps](const ORAppDataGroup &group, const auto &) {
        apps.insert(&group);
    });
    return int(apps.size());
}

ORUninstResultViewCter::ORUninstResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::Uninstall, ORUninstDelViewCter::kOwnItemsToTrash, UninstallerPage,
                        UninstallerRemovalPage},
                       QString(),
                       appnote::kShowGroup})
{
    groupPane()->setHeader(buildGroupTools());
    gTableView()->setAccessibleName(tr("Applications"));
    buildAppHeader();
    bottomBar()->setAutoSelectTitle(true);
    setReadingOrder({m_searchField, m_sortPopButton, gTableView(), itemObject()->itemTableView(),
                     autoSelectButton(), startOverBut(), delBut()});
}

// The application list is searched by name and sorted, in place of a title.
QWidget *ORUninstResultViewCter::buildGroupTools()
{
    auto *tools = new QWidget(groupPane());
    auto *row = new QHBoxLayout(tools);
    row->setContentsMargins(12, 0, 12, 4);
    m_searchField = new QLineEdit(tools);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    PageStyle::searchField(m_searchField);
    nameSearchField(m_searchField, tr("Search the applications"));
    connect(m_searchField, &QLineEdit::textChanged, this, &ORUninstResultViewCter::enterSearch);
    row->addWidget(m_searchField, 1);
    m_sortPopButton = new QComboBox(tools);
    m_sortPopButton->setObjectName(QStringLiteral("or_PopUpBut"));
    m_sortPopButton->addItem(tr("Size"), 0);
    m_sortPopButton->addItem(tr("Name"), 1);
    m_sortPopButton->setToolTip(tr("Sort the applications"));
    m_sortPopButton->setAccessibleName(m_sortPopButton->toolTip());
    connect(m_sortPopButton, &QComboBox::activated, this,
            [this](int index) { sortedGroups(m_sortPopButton->itemData(index).toInt()); });
    row->addWidget(m_sortPopButton);
    return tools;
}

// The application's icon beside its name, size and last use.
void ORUninstResultViewCter::buildAppHeader()
{
    QWidget *pane = itemObject()->parentWidget();
    auto *header = new QWidget(pane);
    auto *row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(14);
    m_appImageIcon = new QLabel(header);
    m_appImageIcon->setObjectName(QStringLiteral("appImageIcon"));
    m_appImageIcon->setFixedSize(kAppIconSide, kAppIconSide);
    row->addWidget(m_appImageIcon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    itemPaneLayout()->removeWidget(groupTitleField());
    auto *nameRow = new QHBoxLayout;
    nameRow->setSpacing(10);
    nameRow->addWidget(groupTitleField());
    m_appSourceField = new QLabel(header);
    m_appSourceField->setObjectName(QStringLiteral("appSourceField"));
    ThemeFollower::style(m_appSourceField,
                         QStringLiteral("QLabel { background:@badge; color:@text; border-radius:9px;"
                                        " padding:1px 9px; font-weight:600; }"));
    nameRow->addWidget(m_appSourceField, 0, Qt::AlignVCenter);
    nameRow->addStretch(1);
    texts->addLayout(nameRow);
    m_appSizeField = PageStyle::heading(QString(), header, 12);
    m_appSizeField->setObjectName(QStringLiteral("appSizeField"));
    ThemeFollower::style(m_appSizeField, QStringLiteral("color:@accentText;"));
    texts->addWidget(m_appSizeField);
    m_appLastTimeField = groupInfoField();
    m_appLastTimeField->setObjectName(QStringLiteral("appLastTimeField"));
    itemPaneLayout()->removeWidget(m_appLastTimeField);
    texts->addWidget(m_appLastTimeField);
    row->addLayout(texts, 1);
    itemPaneLayout()->insertWidget(0, header);
}

void ORUninstResultViewCter::viewDidAppear()
{
    ResultPage::viewDidAppear();
    // The table lists every group again on appearing: the search and the
    // order chosen before still hold.
    listGroups();
}

void ORUninstResultViewCter::groupAnnounced(ORAppDataGroup *group)
{
    if (!group) {
        groupTitleField()->clear();
        m_appSizeField->clear();
        m_appLastTimeField->clear();
        m_appImageIcon->clear();
        m_appSourceField->hide();
        return;
    }
    groupTitleField()->setText(group->groupName);
    m_appSourceField->setText(AppGroupModel::sourceBadge(group->appSource));
    m_appSourceField->show();
    m_appSizeField->setText(ORUtility::sizeFormatWithNumber(group->groupSize));
    const QIcon icon = AppGroupModel::appIcon(*group);
    m_appImageIcon->setPixmap(
        icon.isNull() ? QPixmap() : icon.pixmap(QSize(kAppIconSide, kAppIconSide), devicePixelRatioF()));
    // The first item is the bundle whenever it measured anything.
    const QFileInfo first(group->groupItems.isEmpty() ? QString() : group->groupItems.constFirst().itemPath);
    const QDateTime modified = first.exists() ? first.lastModified() : QDateTime();
    m_appLastTimeField->setText(
        modified.isValid() ? tr("Last Modified: %1").arg(ORUtility::friendlyDate(modified.toSecsSinceEpoch()))
                           : QString());
}

void ORUninstResultViewCter::markGroup(ORAppDataGroup &group, bool marked)
{
    AppTicks::markApplication(group, marked);
}

void ORUninstResultViewCter::setAttributesOfGroups()
{
    ORAppData *data = groupModel()->result().get();
    if (!data)
        return;
    for (ORAppDataGroup &group : data->appGroups) {
        selection::setGroupMarked(group, false);
        group.isVisible = true;
        for (ORAppDataItem &item : group.groupItems)
            item.isVisible = true;
    }
    bottomBar()->setAutoSelectTitle(true);
}

void ORUninstResultViewCter::enterSearch()
{
    setAttributesOfGroups();
    startSearch(m_searchField->text());
}

// Matches the names of every application of the result, ignoring case and
// diacritics: each search starts again from all of them.
void ORUninstResultViewCter::startSearch(const QString &text)
{
    ORAppData *data = groupModel()->result().get();
    if (!data)
        return;
    const QString needle = selection::foldForSearch(text);
    for (ORAppDataGroup &group : data->appGroups)
        group.isVisible = needle.isEmpty() || selection::foldForSearch(group.groupName).contains(needle);
    listGroups();
}

void ORUninstResultViewCter::sortedGroups(int tag)
{
    m_sortPopButton->setCurrentIndex(m_sortPopButton->findData(tag));
    listGroups();
}

void ORUninstResultViewCter::listGroups()
{
    QList<ORAppDataGroup *> listed;
    if (ORAppData *data = groupModel()->result().get())
        for (ORAppDataGroup &group : data->appGroups)
            if (group.isVisible)
                listed.append(&group);
    AppGroupModel::sortGroups(listed, m_sortPopButton->currentData().toInt());
    groupModel()->setListed(listed);
    updateSelectedSize();
    announceGroup(0);
}

void ORUninstResultViewCter::updateAppGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
