// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dups/ORDupResultViewCter.h"

#include "core/dups/DupNotifications.h"
#include "core/dups/LinkReplacement.h"
#include "core/foundation/ORUtility.h"
#include "gui/controls/AccessibleControls.h"
#include "gui/controls/ORImage.h"
#include "gui/controls/ThemeFollower.h"
#include "gui/dups/DupExport.h"
#include "gui/dups/DupGroupCellView.h"
#include "gui/dups/DupKindBar.h"
#include "gui/dups/DupLinkButton.h"
#include "gui/preview/PreviewPane.h"
#include "gui/shell/ConfirmSheet.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shell/SegmentedControl.h"

#include <QAbstractButton>
#include <QStackedWidget>

using namespace sw;

ORDupResultViewCter::ORDupResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{{RemovalWording::Action::DeleteDuplicates, true, DupScanPage,
                        DupRemovalPage},
                       QString(),
                       dupnote::kShowGroup})
{
    pageLayout()->insertWidget(0, buildTopBar());
    groupPane()->setHeader(buildGroupTools());
    gTableView()->setAccessibleName(tr("Groups of duplicates"));
    groupPane()->setCellView(new DupGroupCellView(gTableView()), DupGroupCellView::rowHeight);
    buildDetail();
    bottomBar()->setAutoSelectTitle(true);
    autoSelectButton()->setToolTip(tr("Select every copy but one of each group listed, or clear them"));
    bottomBar()->addBesideAutoSelect(buildKeepRulePopUp());
    setKeyboardOrder();
}

// --- views -----------------------------------------------------------------

QWidget *ORDupResultViewCter::buildTopBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("topBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    ThemeFollower::style(bar,
                         QStringLiteral("#topBar { background:@card; border-bottom:1px solid @separator; }"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 12, 16, 12);
    QStringList kinds{tr("All")};
    for (int kind = 0; kind < DupKinds::kCount; ++kind)
        kinds << DupKinds::title(DupKind(kind));
    m_segControl = new SegmentedControl(kinds, bar);
    m_segControl->setObjectName(QStringLiteral("segControl"));
    m_segControl->setAccessibleName(tr("Kind of files"));
    connect(m_segControl, &SegmentedControl::segmentChanged, this, &ORDupResultViewCter::changeDupGroup);
    row->addWidget(m_segControl);
    row->addStretch(1);
    m_segControlMode = new SegmentedControl({tr("List"), tr("Preview")}, bar);
    m_segControlMode->setObjectName(QStringLiteral("segControlMode"));
    m_segControlMode->setAccessibleName(tr("Show as"));
    connect(m_segControlMode, &SegmentedControl::segmentChanged, this, &ORDupResultViewCter::changeViewMode);
    row->addWidget(m_segControlMode);
    row->addSpacing(12);
    row->addWidget(buildLinkButton(bar));
    return bar;
}

// The group list is searched by name and sorted, in place of a title.
QWidget *ORDupResultViewCter::buildGroupTools()
{
    auto *tools = new QWidget(groupPane());
    auto *row = new QHBoxLayout(tools);
    row->setContentsMargins(12, 0, 12, 4);
    m_searchField = new QLineEdit(tools);
    m_searchField->setObjectName(QStringLiteral("searchField"));
    m_searchField->setPlaceholderText(tr("Search by name"));
    m_searchField->setClearButtonEnabled(true);
    PageStyle::searchField(m_searchField);
    nameSearchField(m_searchField, tr("Search the duplicates by name"));
    connect(m_searchField, &QLineEdit::textChanged, this, &ORDupResultViewCter::startSearch);
    row->addWidget(m_searchField, 1);
    m_sortPopButton = new QComboBox(tools);
    m_sortPopButton->setObjectName(QStringLiteral("or_PopUpBut"));
    m_sortPopButton->addItem(tr("Size"), 0);
    m_sortPopButton->addItem(tr("Name"), 1);
    m_sortPopButton->addItem(tr("Copies"), 2);
    m_sortPopButton->setToolTip(tr("Sort the groups"));
    m_sortPopButton->setAccessibleName(m_sortPopButton->toolTip());
    connect(m_sortPopButton, &QComboBox::activated, this,
            [this](int index) { sortedGroups(m_sortPopButton->itemData(index).toInt()); });
    row->addWidget(m_sortPopButton);
    // The bottom bar's and the top bar's buttons need their room in every
    // language: the export sits with the list it saves.
    row->addWidget(buildExportButton(tools));
    return tools;
}

// Which copy of a group a selection keeps; the choice lasts between runs.
QComboBox *ORDupResultViewCter::buildKeepRulePopUp()
{
    m_keepRulePopUp = new QComboBox(bottomBar());
    m_keepRulePopUp->setObjectName(QStringLiteral("keepRulePopUp"));
    m_keepRulePopUp->setAccessibleName(tr("The copy Select keeps"));
    m_keepRulePopUp->setToolTip(
        tr("Which copy of each group Select keeps. Best original keeps the copy outside Downloads, the Trash and "
           "temporary folders, without a copy mark such as \"(1)\" in its name, the oldest, in the deepest folder."));
    for (DupKeepRule rule : dupkeep::rules())
        m_keepRulePopUp->addItem(dupkeep::title(rule), int(rule));
    m_keepRulePopUp->setCurrentIndex(m_keepRulePopUp->findData(int(dupkeep::remembered())));
    m_keeper = DupKeeper(dupkeep::remembered());
    connect(m_keepRulePopUp, &QComboBox::activated, this, [this](int index) {
        const auto rule = DupKeepRule(m_keepRulePopUp->itemData(index).toInt());
        dupkeep::remember(rule);
        m_keeper = DupKeeper(rule);
    });
    return m_keepRulePopUp;
}

// Saves the result held, as a table or to be opened again.
QPushButton *ORDupResultViewCter::buildExportButton(QWidget *bar)
{
    m_exportButton = PageStyle::secondaryButton(tr("Export…"), bar);
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_exportButton->setAccessibleName(tr("Export the result"));
    m_exportButton->setToolTip(tr("Save the groups as a CSV table, or as JSON to open again later"));
    connect(m_exportButton, &QPushButton::clicked, this, [this] {
        DupExport::choose(window(), ORDupDataCollection::shareInstance().tempDupData(), m_keeper);
    });
    return m_exportButton;
}

void ORDupResultViewCter::markGroup(ORDupDataGroup &group, bool marked)
{
    KeepOneCopy::setGroupMarked(group, marked, m_keeper);
}

// Under the title: the kinds' bar, then the copies or the preview.
void ORDupResultViewCter::buildDetail()
{
    QWidget *pane = itemObject()->parentWidget();
    m_detailStack = new QStackedWidget(pane);
    delete itemPaneLayout()->replaceWidget(itemObject(), m_detailStack);
    m_kindBar = new DupKindBar(pane);
    const int at = itemPaneLayout()->indexOf(m_detailStack);
    itemPaneLayout()->insertWidget(at, m_kindBar);
    itemPaneLayout()->insertSpacing(at + 1, 14);
    m_previewBox = new QWidget(m_detailStack);
    auto *preview = new QVBoxLayout(m_previewBox);
    preview->setContentsMargins(0, 0, 0, 0);
    m_previewCaption = PageStyle::muted(QString(), m_previewBox, 10);
    m_previewCaption->setWordWrap(false);
    preview->addWidget(m_previewCaption);
    m_previewPane = new PreviewPane(m_previewBox);
    m_previewPane->setObjectName(QStringLiteral("previewPane"));
    preview->addWidget(m_previewPane, 1);
    m_detailStack->addWidget(itemObject());
    m_detailStack->addWidget(m_previewBox);
}

// Enabled with the removal button. The bar beside that one has no room left
// in every language, so it stands at the end of the top bar.
QPushButton *ORDupResultViewCter::buildLinkButton(QWidget *bar)
{
    m_linkButton = new DupLinkButton(
        delBut(),
        [this] {
            const auto data = groupModel()->result();
            return data ? LinkReplacement::defaultKind(*data) : LinkKind::Hard;
        },
        bar);
    connect(m_linkButton, &DupLinkButton::kindChosen, this, &ORDupResultViewCter::confirmLinks);
    return m_linkButton->button();
}

void ORDupResultViewCter::confirmLinks(LinkKind kind)
{
    const ConfirmSheet::Removal removal{RemovalWording::Action::LinkDuplicates, removalCount(), removalBytes(), false};
    auto *sheet = new ConfirmSheet(window(), removal,
                                   [this, kind] { RemovalPage::showAndStart(*this, DupRemovalPage, int(kind)); });
    sheet->setObjectName(QStringLiteral("linkConfirmSheet"));
    sheet->setInformativeText(DupLinkButton::kindLine(kind) + QStringLiteral("\n\n") + sheet->informativeText());
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
}

void ORDupResultViewCter::setKeyboardOrder()
{
    QList<QWidget *> order;
    for (SegmentedControl *control : {m_segControl, m_segControlMode})
        for (int segment = 0; segment < control->count(); ++segment)
            order.append(control->button(segment));
    order << m_searchField << m_sortPopButton << m_exportButton << gTableView() << itemObject()->itemTableView()
          << autoSelectButton() << m_keepRulePopUp << startOverBut() << delBut() << m_linkButton->button();
    setReadingOrder(order);
}

// --- appearing -----------------------------------------------------------------

void ORDupResultViewCter::viewWillAppear()
{
    forgetKinds();
    groupModel()->setResult(ORDupDataCollection::shareInstance().tempDupData());
    if (ORDupData *data = groupModel()->result().get())
        m_kinds = DupKinds::classify(data->dupGroups);
    m_kindBar->setPies(m_kinds.pies);
    // The places the best original avoids are read again: the user's
    // folders may have moved since the page was last shown.
    m_keeper = DupKeeper(DupKeepRule(m_keepRulePopUp->currentData().toInt()));
    // Empty finds keep nothing, so nothing to link to: every item may go.
    const bool copies = !selectsItemsOfNoSize();
    m_keepRulePopUp->setVisible(copies);
    m_linkButton->button()->setVisible(copies);
    m_detailStack->setCurrentWidget(m_segControlMode->selectedSegment() == PreviewMode
                                        ? m_previewBox
                                        : static_cast<QWidget *>(itemObject()));
}

void ORDupResultViewCter::viewDidAppear()
{
    setButEnableStatus();
    m_segControl->setSelectedSegment(AllKinds);
    selectDupKind();
    sortedGroups(m_sortPopButton->currentData().toInt());
}

void ORDupResultViewCter::setButEnableStatus()
{
    for (int kind = 0; kind < DupKinds::kCount; ++kind)
        m_segControl->setSegmentEnabled(kind + 1, !m_kinds.groups[kind].isEmpty());
}

// The copy list, the preview and the group table point into the result:
// they let go of it before it is replaced or released.
void ORDupResultViewCter::forgetKinds()
{
    itemObject()->forgetGroup();
    m_previewPane->clear();
    groupModel()->setResult(nullptr);
    m_kinds = DupKinds::Lists();
}

RemovalWording::Action ORDupResultViewCter::removalAction() const
{
    return selectsItemsOfNoSize() ? RemovalWording::Action::DeleteEmptyFinds : RemovalWording::Action::DeleteDuplicates;
}

bool ORDupResultViewCter::selectsItemsOfNoSize() const
{
    return ORDupDataCollection::shareInstance().heldMode() == ORDupDataCollection::ScanMode::Empty;
}

void ORDupResultViewCter::forgetResult()
{
    m_kindBar->removeData();
    forgetKinds();
    ResultPage::forgetResult();
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

void ORDupResultViewCter::clearSelection()
{
    for (ORDupDataGroup *group : std::as_const(m_kinds.all)) {
        KeepOneCopy::setGroupMarked(*group, false);
        group->isVisible = true;
        for (ORDupDataItem &item : group->groupItems)
            item.isVisible = true;
    }
    bottomBar()->setAutoSelectTitle(true);
}

void ORDupResultViewCter::listGroups(const QList<ORDupDataGroup *> &groups)
{
    groupModel()->setListed(groups);
    updateSelectedSize();
    announceGroup(0);
}

void ORDupResultViewCter::changeDupGroup(int segment)
{
    m_segControl->setSelectedSegment(segment);
    selectDupKind();
}

void ORDupResultViewCter::selectDupKind()
{
    clearSelection();
    {
        const QSignalBlocker block(m_searchField);
        m_searchField->clear();
    }
    listGroups(segmentGroups());
    showTotal();
}

void ORDupResultViewCter::sortedGroups(int tag)
{
    QList<ORDupDataGroup *> groups = groupArr();
    DupGroupModel::sortGroups(groups, tag);
    keepOrderInResult(groups);
    listGroups(groups);
}

// Sorting all kinds reorders the result itself, so the order lasts. The
// groups move, so every pointer to them is made again.
void ORDupResultViewCter::keepOrderInResult(QList<ORDupDataGroup *> &groups)
{
    const auto data = groupModel()->result();
    if (!data || m_segControl->selectedSegment() != AllKinds || groups.size() != data->dupGroups.size())
        return;
    itemObject()->forgetGroup();
    QList<ORDupDataGroup> ordered;
    ordered.reserve(groups.size());
    for (ORDupDataGroup *group : std::as_const(groups))
        ordered.append(std::move(*group));
    groupModel()->setListed({});
    data->dupGroups = std::move(ordered);
    m_kinds = DupKinds::classify(data->dupGroups);
    groups = m_kinds.all;
}

// Matches the group names of the current kind, ignoring case and
// diacritics. Each search starts from the whole kind, so shortening the text
// widens the list again.
void ORDupResultViewCter::startSearch(const QString &text)
{
    clearSelection();
    const QString needle = selection::foldForSearch(text);
    QList<ORDupDataGroup *> listed;
    for (ORDupDataGroup *group : segmentGroups()) {
        group->isVisible = needle.isEmpty() || selection::foldForSearch(group->groupName).contains(needle);
        if (group->isVisible)
            listed.append(group);
    }
    listGroups(listed);
}

// The sets listed and their size, as the header and the total below.
void ORDupResultViewCter::showTotal()
{
    qint64 total = 0;
    for (const ORDupDataGroup *group : groupArr())
        total += group->groupSize;
    bottomBar()->showTotalSize(total);
    const int segment = m_segControl->selectedSegment();
    if (selectsItemsOfNoSize()) {
        qsizetype items = 0;
        for (const ORDupDataGroup *group : groupArr())
            items += group->groupItems.size();
        titleTextField()->setText(tr("Empty and broken: %n item(s), %1", nullptr, int(items))
                                      .arg(ORUtility::sizeFormatWithNumber(total)));
        infoTextField()->setText(tr("Empty files, folders that hold only empty folders, and links whose target is "
                                    "missing."));
        return;
    }
    const QString kind = segment > AllKinds ? DupKinds::title(DupKind(segment - 1)) : tr("All duplicates");
    const int sets = int(groupArr().size());
    //: The kind listed ("All duplicates", "Documents", ...), the number of sets and their size
    const QString header = tr("%1: %n set(s), %2", nullptr, sets);
    titleTextField()->setText(header.arg(kind, ORUtility::sizeFormatWithNumber(total)));
    infoTextField()->setText(tr("Each set holds copies of one file. Select keeps one copy of each set."));
}

// --- modes and previews -----------------------------------------------------

void ORDupResultViewCter::changeViewMode(int mode)
{
    m_segControlMode->setSelectedSegment(mode);
    if (mode != PreviewMode) {
        m_previewPane->clear();
        m_detailStack->setCurrentWidget(itemObject());
        return;
    }
    m_detailStack->setCurrentWidget(m_previewBox);
    announceGroup(0);
}

void ORDupResultViewCter::groupAnnounced(ORDupDataGroup *group)
{
    if (!group) {
        m_previewPane->clear();
        m_previewCaption->clear();
    } else if (m_segControlMode->selectedSegment() == PreviewMode) {
        previewDataGroup(group);
    }
}

void ORDupResultViewCter::previewDataGroup(const ORDupDataGroup *group)
{
    if (!group)
        return;
    m_previewCaption->setText(ItemListModel::displayPath(group->groupPath));
    m_previewCaption->setToolTip(group->groupPath);
    // Announcing the same group again must not restart a film.
    if (m_previewPane->path() != group->groupPath)
        m_previewPane->showPath(group->groupPath, group->groupType);
}

// --- selection -----------------------------------------------------------------

void ORDupResultViewCter::updateDupGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
