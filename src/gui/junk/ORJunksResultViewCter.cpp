#include "ORJunksResultViewCter.h"

#include "JunkGroupModel.h"
#include "ORDispatch.h"
#include "ORImage.h"
#include "ORJunkFilesCollection.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "ORTableCellView.h"
#include "ORTableView.h"
#include "ORUtility.h"
#include "PageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace sw;

Q_LOGGING_CATEGORY(lcJunkPages, "sweepwright.junk.pages")

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), junkDataCollection(ORJunkFilesCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *panes = new QHBoxLayout;
    panes->setContentsMargins(0, 0, 0, 0);
    panes->setSpacing(0);
    panes->addWidget(buildGroupPane());
    panes->addWidget(buildItemPane(), 1);
    column->addLayout(panes, 1);
    column->addWidget(buildBottomBar());
}

QWidget *ORJunksResultViewCter::buildGroupPane()
{
    auto *pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("groupPane"));
    pane->setFixedWidth(320);
    pane->setAttribute(Qt::WA_StyledBackground);
    pane->setStyleSheet(QStringLiteral("#groupPane { background:#fafbfc; border-right:1px solid #e6e9ed; }"));
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 16, 0, 0);
    auto *title = PageStyle::heading(tr("Categories"), pane, 13);
    title->setContentsMargins(16, 0, 0, 6);
    column->addWidget(title);
    m_groupModel = new JunkGroupModel(this);
    m_gTableView = new ORTableView(pane);
    m_gTableView->setObjectName(QStringLiteral("gTableView"));
    m_gTableView->setModel(m_groupModel);
    m_groupCell = new ORTableCellView(m_gTableView);
    m_gTableView->setItemDelegate(m_groupCell);
    m_gTableView->setUniformRowHeight(ORTableCellView::rowHeight);
    m_gTableView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_gTableView->eDelegate = this;
    connect(m_groupCell, &ORTableCellView::checkClicked, this,
            [this](const QModelIndex &index) { groupButtonClick(index.row()); });
    column->addWidget(m_gTableView, 1);
    return pane;
}

QWidget *ORJunksResultViewCter::buildItemPane()
{
    auto *pane = new QWidget(this);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(20, 16, 20, 8);
    column->setSpacing(4);
    m_junkGroupField = PageStyle::heading(QString(), pane, 16);
    m_junkGroupField->setObjectName(QStringLiteral("junkGroupField"));
    column->addWidget(m_junkGroupField);
    m_junkGroupInfoField = PageStyle::muted(QString(), pane, 10);
    m_junkGroupInfoField->setObjectName(QStringLiteral("junkGroupInfoField"));
    column->addWidget(m_junkGroupInfoField);
    column->addSpacing(8);
    m_itemStack = new QStackedWidget(pane);
    m_itemObject = new ORJunkResultItemObject(m_itemStack);
    m_itemNoView = new QWidget(m_itemStack);
    m_itemNoView->setObjectName(QStringLiteral("itemNoView"));
    auto *empty = new QVBoxLayout(m_itemNoView);
    empty->addStretch(1);
    auto *picture = new QLabel(m_itemNoView);
    picture->setPixmap(ORImage::pixmap(QStringLiteral("or_empty"), QSize(96, 96), devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    empty->addWidget(picture);
    auto *text = PageStyle::muted(tr("Nothing to clean in this category."), m_itemNoView, 12);
    text->setAlignment(Qt::AlignCenter);
    empty->addWidget(text);
    empty->addStretch(2);
    m_itemStack->addWidget(m_itemObject);
    m_itemStack->addWidget(m_itemNoView);
    column->addWidget(m_itemStack, 1);
    return pane;
}

QWidget *ORJunksResultViewCter::buildBottomBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("bottomBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet(QStringLiteral("#bottomBar { background:white; border-top:1px solid #e6e9ed; }"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 10, 20, 12);
    m_autoSelectButton = PageStyle::secondaryButton(tr("Deselect"), bar);
    m_autoSelectButton->setObjectName(QStringLiteral("autoSelectButton"));
    connect(m_autoSelectButton, &QPushButton::clicked, this, &ORJunksResultViewCter::autoSelectAction);
    row->addWidget(m_autoSelectButton);
    row->addSpacing(20);
    auto addSize = [&](const QString &caption, QLabel *&number, QLabel *&unit, int points) {
        row->addWidget(PageStyle::muted(caption, bar, 11), 0, Qt::AlignBottom);
        number = new QLabel(bar);
        unit = new QLabel(bar);
        PageStyle::styleSizeLabels(number, unit, points);
        row->addWidget(number, 0, Qt::AlignBottom);
        row->addWidget(unit, 0, Qt::AlignBottom);
        row->addSpacing(16);
    };
    addSize(tr("Selected:"), m_selectedSizeField, m_selectedUnitField, 22);
    addSize(tr("Total:"), m_totalSizeField, m_totalUnitField, 14);
    m_selectedSizeField->setObjectName(QStringLiteral("selectedSizeField"));
    m_selectedUnitField->setObjectName(QStringLiteral("selectedUnitField"));
    row->addStretch(1);
    m_startOverBut = PageStyle::secondaryButton(tr("Start Over"), bar);
    m_startOverBut->setObjectName(QStringLiteral("startOverBut"));
    connect(m_startOverBut, &QPushButton::clicked, this, &ORJunksResultViewCter::startOverButton);
    row->addWidget(m_startOverBut);
    m_delBut = PageStyle::primaryButton(tr("Delete"), bar);
    m_delBut->setObjectName(QStringLiteral("delBut"));
    m_delBut->setMinimumWidth(120);
    connect(m_delBut, &QPushButton::clicked, this, &ORJunksResultViewCter::delButton);
    row->addWidget(m_delBut);
    return bar;
}

void ORJunksResultViewCter::viewWillAppear()
{
    m_groupModel->setJunkData(junkDataCollection.tempJunkData());
    if (ORJunkDataGroup *first = m_groupModel->group(0))
        m_junkGroupField->setText(first->groupName);
}

void ORJunksResultViewCter::viewDidAppear()
{
    m_autoSelectButton->setText(tr("Deselect"));
    const auto data = m_groupModel->junkData();
    if (!data)
        return;
    if (!data->junkGroups.isEmpty())
        tableView(m_gTableView, 0);
    updateSelectedSize();
    ORUtility::sizeFileFormat(m_totalSizeField, m_totalUnitField, ORUtility::sizeFormatWithNumber(data->junkTotalSize));
    selectGroupRow(0);
}

void ORJunksResultViewCter::tableView(ORTableView *, qint64 row)
{
    ORJunkDataGroup *group = m_groupModel->group(int(row));
    if (!group)
        return;
    m_itemStack->setCurrentWidget(group->groupItems.isEmpty() ? m_itemNoView : static_cast<QWidget *>(m_itemObject));
    postDispatchNotification(int(row), group);
    m_junkGroupField->setText(group->groupName);
    m_junkGroupInfoField->setText(group->groupInfo);
}

void ORJunksResultViewCter::postDispatchNotification(int row, ORJunkDataGroup *group)
{
    if (m_groupModel->rowCount() == 0)
        return;
    const QVariantList payload{QString::number(row), QVariant::fromValue(group),
                               QVariant::fromValue(static_cast<QObject *>(this))};
    ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("getjunks"), payload);
}

void ORJunksResultViewCter::selectGroupRow(int row)
{
    if (row >= 0 && row < m_groupModel->rowCount())
        m_gTableView->selectRow(row);
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateSelectedSize();
    m_groupModel->refresh();
    selectGroupRow(groupRow);
}

void ORJunksResultViewCter::groupButtonClick(int row)
{
    ORJunkDataGroup *group = m_groupModel->group(row);
    if (!group || !selection::isGroupCheckable(*group))
        return;
    selection::groupButtonClick(*group);
    if (!group->groupItems.isEmpty()) {
        updateSelectedSize();
        tableView(m_gTableView, row);
    }
    m_groupModel->refresh();
    selectGroupRow(row);
}

void ORJunksResultViewCter::autoSelectAction()
{
    const auto data = m_groupModel->junkData();
    if (!data)
        return;
    const bool select = m_autoSelectButton->text() == tr("Select");
    selection::setAllGroupsMarked(data->junkGroups, select);
    m_autoSelectButton->setText(select ? tr("Deselect") : tr("Select"));
    m_autoSelectButton->setProperty("tag", select ? 1 : 0);
    updateSelectedSize();
    if (!data->junkGroups.isEmpty())
        tableView(m_gTableView, 0);
    m_groupModel->refresh();
    selectGroupRow(0);
}

void ORJunksResultViewCter::updateSelectedSize()
{
    const auto data = m_groupModel->junkData();
    const qint64 selected = data ? selection::selectedSize(data->junkGroups) : 0;
    if (data)
        data->junkSelectedSize = selected;
    ORUtility::sizeFileFormat(m_selectedSizeField, m_selectedUnitField, ORUtility::sizeFormatWithNumber(selected));
    m_delBut->setEnabled(selected > 0);
    m_itemObject->reloadItems();
}

void ORJunksResultViewCter::startOverButton()
{
    junkDataCollection.startOver();
    next(1);
}

void ORJunksResultViewCter::delButton()
{
    if (!m_alert) {
        m_alert = new QMessageBox(QMessageBox::Warning, tr("Junk Clean"), tr("Junk Clean"), QMessageBox::NoButton,
                                  window());
        m_alert->setObjectName(QStringLiteral("junkDeleteAlert"));
        m_alert->setInformativeText(tr("Do you want to delete the selected junk files?"));
        QPushButton *yes = m_alert->addButton(tr("Yes"), QMessageBox::YesRole);
        m_alert->addButton(tr("No"), QMessageBox::NoRole);
        m_alert->setDefaultButton(yes);
        m_alert->setWindowModality(Qt::WindowModal);
        connect(m_alert, &QMessageBox::finished, this, [this] {
            if (m_alert->buttonRole(m_alert->clickedButton()) == QMessageBox::YesRole)
                confirmDelete();
            else
                qCDebug(lcJunkPages) << "cancel";
        });
    }
    m_alert->open();
}

void ORJunksResultViewCter::confirmDelete()
{
    next(3);
    // Posted from the main queue after a hop, so the removal page is on
    // screen before the removal starts.
    ORDispatch::global(ORDispatch::Priority::Default, [] {
        ORDispatch::main([] { ORNotificationCenter::defaultCenter().postNotification(QStringLiteral("deljunks")); });
    });
}
