#include "ORDupResultViewCter.h"

#include "ConfirmSheet.h"
#include "DupCopyLimit.h"
#include "DupGroupCellView.h"
#include "DupGroupModel.h"
#include "DupItemModel.h"
#include "DupKindBar.h"
#include "ORDispatch.h"
#include "ORDupDataCollection.h"
#include "ORImage.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "ORTableView.h"
#include "ORUtility.h"
#include "PageStyle.h"
#include "PreviewPane.h"
#include "ResultBottomBar.h"
#include "SegmentedControl.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace sw;

ORDupResultViewCter::ORDupResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), dupDataCollection(ORDupDataCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTopBar());
    auto *panes = new QHBoxLayout;
    panes->setContentsMargins(0, 0, 0, 0);
    panes->setSpacing(0);
    panes->addWidget(buildGroupPane());
    panes->addWidget(buildDetailPane(), 1);
    column->addLayout(panes, 1);
    m_bottomBar = new ResultBottomBar(this);
    m_bottomBar->setAutoSelectTitle(true);
    m_bottomBar->autoSelectButton()->setToolTip(tr("Select every copy but the first of each group listed, or clear them"));
    connect(m_bottomBar->autoSelectButton(), &QPushButton::clicked, this, &ORDupResultViewCter::autoSelectAction);
    connect(m_bottomBar->startOverBut(), &QPushButton::clicked, this, &ORDupResultViewCter::startOverButton);
    connect(m_bottomBar->delBut(), &QPushButton::clicked, this, &ORDupResultViewCter::delButton);
    column->addWidget(m_bottomBar);
}

// --- views -----------------------------------------------------------------

QWidget *ORDupResultViewCter::buildTopBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet(QStringLiteral("#topBar { background:white; border-bottom:1px solid #e6e9ed; }"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 12, 16, 12);
    QStringList kinds{tr("All")};
    for (int kind = 0; kind < DupKinds::kCount; ++kind)
        kinds << DupKinds::title(DupKind(kind));
    m_segControl = new SegmentedControl(kinds, bar);
    m_segControl->setObjectName(QStringLiteral("segControl"));
    connect(m_segControl, &SegmentedControl::segmentChanged, this, &ORDupResultViewCter::changeDupGroup);
    row->addWidget(m_segControl);
    row->addStretch(1);
    m_segControlMode = new SegmentedControl({tr("List"), tr("Preview")}, bar);
    m_segControlMode->setObjectName(QStringLiteral("segControlMode"));
    connect(m_segControlMode, &SegmentedControl::segmentChanged, this, &ORDupResultViewCter::changeViewMode);
    row->addWidget(m_segControlMode);
    return bar;
}

QWidget *ORDupResultViewCter::buildGroupPane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("groupPane"));
    pane->setFixedWidth(340);
    pane->setAttribute(Qt::WA_StyledBackground);
    pane->setStyleSheet(QStringLiteral("#groupPane { background:#fafbfc; border-right:1px solid #e6e9ed; }"));
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 12, 0, 0);
    auto *tools = new QHBoxLayout;
    tools->setContentsMargins(12, 0, 12, 4);
    m_searchField = new QLineEdit(pane);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search by name"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->addAction(ORImage::icon(QStringLiteral("or_search")), QLineEdit::LeadingPosition);
    m_searchField->setStyleSheet(QStringLiteral("QLineEdit { border:1px solid #d6dce2; border-radius:14px;"
                                                " padding:4px 8px; background:white; }"));
    connect(m_searchField, &QLineEdit::textChanged, this, &ORDupResultViewCter::startSearch);
    tools->addWidget(m_searchField, 1);
    m_sortPopButton = new QComboBox(pane);
    m_sortPopButton->setObjectName(QStringLiteral("or_PopUpBut"));
    m_sortPopButton->addItem(tr("Size"), 0);
    m_sortPopButton->addItem(tr("Name"), 1);
    m_sortPopButton->addItem(tr("Copies"), 2);
    m_sortPopButton->setToolTip(tr("Sort the groups"));
    connect(m_sortPopButton, &QComboBox::activated, this,
            [this](int index) { sortedGroups(m_sortPopButton->itemData(index).toInt()); });
    tools->addWidget(m_sortPopButton);
    column->addLayout(tools);

    m_groupModel = new DupGroupModel(this);
    m_groupTableView = new ORTableView(pane);
    m_groupTableView->setObjectName(QStringLiteral("groupTableView"));
    m_groupTableView->setModel(m_groupModel);
    auto *cell = new DupGroupCellView(m_groupTableView);
    m_groupTableView->setItemDelegate(cell);
    m_groupTableView->setUniformRowHeight(DupGroupCellView::rowHeight);
    m_groupTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_groupTableView->eDelegate = this;
    connect(cell, &DupGroupCellView::checkClicked, this,
            [this](const QModelIndex &index) { groupButtonClick(index.row()); });
    column->addWidget(m_groupTableView, 1);
    return pane;
}

QWidget *ORDupResultViewCter::buildDetailPane()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(20, 14, 20, 8);
    column->setSpacing(4);
    m_titleTextField = PageStyle::heading(QString(), pane, 15);
    m_titleTextField->setObjectName(QStringLiteral("titleTextField"));
    column->addWidget(m_titleTextField);
    m_infoTextField = PageStyle::muted(QString(), pane, 10);
    m_infoTextField->setObjectName(QStringLiteral("infoTextField"));
    column->addWidget(m_infoTextField);
    column->addSpacing(8);
    m_kindBar = new DupKindBar(pane);
    column->addWidget(m_kindBar);
    column->addSpacing(14);

    m_detailStack = new QStackedWidget(pane);
    m_itemObject = new ORDupResultItemObject(m_detailStack);
    m_previewBox = new QWidget(m_detailStack);
    auto *preview = new QVBoxLayout(m_previewBox);
    preview->setContentsMargins(0, 0, 0, 0);
    m_previewCaption = PageStyle::muted(QString(), m_previewBox, 10);
    m_previewCaption->setWordWrap(false);
    preview->addWidget(m_previewCaption);
    m_previewPane = new PreviewPane(m_previewBox);
    m_previewPane->setObjectName(QStringLiteral("previewPane"));
    preview->addWidget(m_previewPane, 1);
    m_detailStack->addWidget(m_itemObject);
    m_detailStack->addWidget(m_previewBox);
    column->addWidget(m_detailStack, 1);
    return pane;
}

// --- appearing -----------------------------------------------------------------

void ORDupResultViewCter::viewWillAppear()
{
    forgetResult();
    m_data = dupDataCollection.tempDupData();
    initDupGroup();
    m_titleTextField->setText(tr("ALL DUPLICATES"));
    m_infoTextField->setText(tr("All Files A Files"));
    m_detailStack->setCurrentWidget(m_segControlMode->selectedSegment() == PreviewMode ? m_previewBox
                                                                                       : static_cast<QWidget *>(m_itemObject));
}

void ORDupResultViewCter::viewDidAppear()
{
    setButEnableStatus();
    m_segControl->setSelectedSegment(AllKinds);
    selectDupKind();
    sortedGroups(m_sortPopButton->currentData().toInt());
}

void ORDupResultViewCter::initDupGroup()
{
    m_kinds = m_data ? DupKinds::classify(m_data->dupGroups) : DupKinds::Lists();
    m_kindBar->setPies(m_kinds.pies);
}

void ORDupResultViewCter::setButEnableStatus()
{
    for (int kind = 0; kind < DupKinds::kCount; ++kind)
        m_segControl->setSegmentEnabled(kind + 1, !m_kinds.groups[kind].isEmpty());
}

// The copy list and the group table point into the result: both let go of
// it before it is replaced or released.
void ORDupResultViewCter::forgetResult()
{
    ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("nodup"));
    m_previewPane->clear();
    m_groupArr.clear();
    m_groupModel->setGroups({});
    m_kinds = DupKinds::Lists();
    m_data.reset();
}

const QList<ORDupDataGroup *> &ORDupResultViewCter::kindGroups(DupKind kind) const
{
    return m_kinds.groups[int(kind)];
}

// --- listing -----------------------------------------------------------------

// The groups of the chosen kind segment, in the sort pop-up's order.
QList<ORDupDataGroup *> ORDupResultViewCter::segmentGroups() const
{
    const int segment = m_segControl->selectedSegment();
    QList<ORDupDataGroup *> groups = segment > AllKinds ? m_kinds.groups[segment - 1] : m_kinds.all;
    DupGroupModel::sortGroups(groups, m_sortPopButton->currentData().toInt());
    return groups;
}

void ORDupResultViewCter::setAttributesOfGroups()
{
    for (ORDupDataGroup *group : std::as_const(m_kinds.all)) {
        group->groupSelectedSize = 0;
        group->isGroupDelFlag = 0;
        group->isVisible = true;
        for (ORDupDataItem &item : group->groupItems) {
            item.isDel = false;
            item.isVisible = true;
        }
    }
}

void ORDupResultViewCter::changeDupGroup(int segment)
{
    m_segControl->setSelectedSegment(segment);
    selectDupKind();
}

void ORDupResultViewCter::selectDupKind()
{
    setAttributesOfGroups();
    m_groupArr = segmentGroups();
    resetAutoSelect();
    {
        const QSignalBlocker block(m_searchField);
        m_searchField->clear();
    }
    announceGroup(0);
    updateSelectedSize();
    showTotal();
    reloadGroups(0);
}

void ORDupResultViewCter::sortedGroups(int tag)
{
    DupGroupModel::sortGroups(m_groupArr, tag);
    keepOrderInResult();
    announceGroup(0);
    updateSelectedSize();
    reloadGroups(0);
}

// Sorting all kinds reorders the result itself, so the order lasts. The
// groups move, so every pointer to them is made again.
void ORDupResultViewCter::keepOrderInResult()
{
    if (!m_data || m_segControl->selectedSegment() != AllKinds || m_groupArr.size() != m_data->dupGroups.size())
        return;
    QList<ORDupDataGroup> ordered;
    ordered.reserve(m_groupArr.size());
    for (ORDupDataGroup *group : std::as_const(m_groupArr))
        ordered.append(std::move(*group));
    m_data->dupGroups = std::move(ordered);
    m_kinds = DupKinds::classify(m_data->dupGroups);
    m_groupArr = m_kinds.all;
}

// Matches the group names of the current kind, ignoring case and
// diacritics. Each search starts from the whole kind, so shortening the text
// widens the list again.
void ORDupResultViewCter::startSearch(const QString &text)
{
    setAttributesOfGroups();
    const QString needle = selection::foldForSearch(text);
    m_groupArr.clear();
    for (ORDupDataGroup *group : segmentGroups()) {
        group->isVisible = needle.isEmpty() || selection::foldForSearch(group->groupName).contains(needle);
        if (group->isVisible)
            m_groupArr.append(group);
    }
    resetAutoSelect();
    announceGroup(0);
    updateSelectedSize();
    reloadGroups(0);
}

void ORDupResultViewCter::announceGroup(int row)
{
    ORDupDataGroup *group = row >= 0 && row < m_groupArr.size() ? m_groupArr.at(row) : nullptr;
    auto &center = ORNotificationCenter::defaultCenter();
    if (!group) {
        center.postNotification(QStringLiteral("nodup"));
        m_previewPane->clear();
        m_previewCaption->clear();
        return;
    }
    center.postNotification(QStringLiteral("dupget"),
                            QVariantList{QString::number(row), QVariant::fromValue(group),
                                         QVariant::fromValue(static_cast<QObject *>(this))});
    if (m_segControlMode->selectedSegment() == PreviewMode)
        previewDataGroup(group);
}

void ORDupResultViewCter::reloadGroups(int selectRow)
{
    m_groupModel->setGroups(m_groupArr);
    if (selectRow >= 0 && selectRow < m_groupModel->rowCount())
        m_groupTableView->selectRow(selectRow);
}

void ORDupResultViewCter::showTotal()
{
    qint64 total = 0;
    for (const ORDupDataGroup *group : std::as_const(m_groupArr))
        total += group->groupSize;
    m_bottomBar->showTotalSize(total);
}

// --- modes and previews -----------------------------------------------------

void ORDupResultViewCter::changeViewMode(int mode)
{
    m_segControlMode->setSelectedSegment(mode);
    if (mode != PreviewMode) {
        m_previewPane->clear();
        m_detailStack->setCurrentWidget(m_itemObject);
        return;
    }
    m_detailStack->setCurrentWidget(m_previewBox);
    announceGroup(0);
    if (!m_groupArr.isEmpty())
        m_groupTableView->selectRow(0);
}

void ORDupResultViewCter::tableView(ORTableView *, qint64 row)
{
    if (m_groupModel->group(int(row)))
        announceGroup(int(row));
}

void ORDupResultViewCter::previewDataGroup(const ORDupDataGroup *group)
{
    if (!group)
        return;
    m_previewCaption->setText(DupItemModel::displayPath(group->groupPath));
    m_previewCaption->setToolTip(group->groupPath);
    // Announcing the same group again must not restart a film.
    if (m_previewPane->path() != group->groupPath)
        m_previewPane->showPath(group->groupPath, group->groupType);
}

// --- selection -----------------------------------------------------------------

void ORDupResultViewCter::groupButtonClick(int row)
{
    ORDupDataGroup *group = m_groupModel->group(row);
    if (!group || !DupGroupModel::isCheckable(*group))
        return;
    DupCopyLimit::groupButtonClick(*group);
    announceGroup(row);
    updateSelectedSize();
    m_groupModel->refresh();
    m_groupTableView->selectRow(row);
}

void ORDupResultViewCter::updateDupGroupCheckStatus(int groupRow, int)
{
    updateSelectedSize();
    m_groupModel->refresh();
    if (groupRow >= 0 && groupRow < m_groupModel->rowCount())
        m_groupTableView->selectRow(groupRow);
}

// The button's title says what it does next: "Select" marks every copy but
// the first of each listed group, "Deselect" clears them.
void ORDupResultViewCter::autoSelectAction()
{
    const bool select = m_bottomBar->autoSelectClicked();
    for (ORDupDataGroup *group : std::as_const(m_groupArr))
        if (DupGroupModel::isCheckable(*group))
            DupCopyLimit::setGroupMarked(*group, select);
    announceGroup(0);
    updateSelectedSize();
    m_groupModel->refresh();
    if (!m_groupArr.isEmpty())
        m_groupTableView->selectRow(0);
}

void ORDupResultViewCter::resetAutoSelect()
{
    m_bottomBar->setAutoSelectTitle(true);
}

void ORDupResultViewCter::updateSelectedSize()
{
    qint64 selected = 0;
    for (const ORDupDataGroup *group : std::as_const(m_groupArr))
        selected += group->groupSelectedSize;
    if (m_data)
        m_data->dupSelectedSize = selected;
    m_bottomBar->showSelectedSize(selected);
    m_itemObject->reloadItems();
}

// --- leaving -----------------------------------------------------------------

void ORDupResultViewCter::startOverButton()
{
    m_kindBar->removeData();
    forgetResult();
    dupDataCollection.startOver();
    next(13);
}

void ORDupResultViewCter::delButton()
{
    if (!m_alert)
        m_alert = new ConfirmSheet(window(), tr("Duplicate Finder"),
                                   tr("Do you want to delete the selected duplicate files?"), [this] { confirmDelete(); });
    m_alert->open();
}

void ORDupResultViewCter::confirmDelete()
{
    next(16);
    // Posted from the main queue after a hop, so the removal page is on
    // screen before the removal starts.
    ORDispatch::global(ORDispatch::Priority::Default, [] {
        ORDispatch::main([] { ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("delDup")); });
    });
}
