#include "ORJunksResultViewCter.h"

#include "ConfirmSheet.h"
#include "GroupListPane.h"
#include "JunkGroupModel.h"
#include "ORImage.h"
#include "ORJunkFilesCollection.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "PageStyle.h"
#include "RemovalPage.h"
#include "ResultBottomBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace sw;

ORJunksResultViewCter::ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ORBaseViewCter(delegate, parent), junkDataCollection(ORJunkFilesCollection::shareInstance())
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *panes = new QHBoxLayout;
    panes->setContentsMargins(0, 0, 0, 0);
    panes->setSpacing(0);
    m_groupModel = new JunkGroupModel(this);
    m_groupPane = new GroupListPane(tr("Categories"), m_groupModel, this, this);
    connect(m_groupPane, &GroupListPane::checkClicked, this, &ORJunksResultViewCter::groupButtonClick);
    panes->addWidget(m_groupPane);
    panes->addWidget(buildItemPane(), 1);
    column->addLayout(panes, 1);
    m_bottomBar = new ResultBottomBar(this);
    connect(m_bottomBar->autoSelectButton(), &QPushButton::clicked, this, &ORJunksResultViewCter::autoSelectAction);
    connect(m_bottomBar->startOverBut(), &QPushButton::clicked, this, &ORJunksResultViewCter::startOverButton);
    connect(m_bottomBar->delBut(), &QPushButton::clicked, this, &ORJunksResultViewCter::delButton);
    column->addWidget(m_bottomBar);
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

ORTableView *ORJunksResultViewCter::gTableView() const
{
    return m_groupPane->tableView();
}

QPushButton *ORJunksResultViewCter::autoSelectButton() const
{
    return m_bottomBar->autoSelectButton();
}

QPushButton *ORJunksResultViewCter::delBut() const
{
    return m_bottomBar->delBut();
}

QPushButton *ORJunksResultViewCter::startOverBut() const
{
    return m_bottomBar->startOverBut();
}

QLabel *ORJunksResultViewCter::selectedSizeField() const
{
    return m_bottomBar->selectedSizeField();
}

QLabel *ORJunksResultViewCter::selectedUnitField() const
{
    return m_bottomBar->selectedUnitField();
}

void ORJunksResultViewCter::viewWillAppear()
{
    m_groupModel->setResult(junkDataCollection.tempJunkData());
    if (ORJunkDataGroup *first = m_groupModel->group(0))
        m_junkGroupField->setText(first->groupName);
}

void ORJunksResultViewCter::viewDidAppear()
{
    m_bottomBar->setAutoSelectTitle(false);
    const auto data = m_groupModel->result();
    if (!data)
        return;
    if (!data->junkGroups.isEmpty())
        tableView(gTableView(), 0);
    updateSelectedSize();
    m_bottomBar->showTotalSize(data->junkTotalSize);
    m_groupPane->selectRow(0);
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
    ORNotificationCenter::defaultCenter().postNotification(
        QStringLiteral("getjunks"), ResultItemList::announcement(row, group, static_cast<QObject *>(this)));
}

void ORJunksResultViewCter::updateJunkGroupCheckStatus(int groupRow, int)
{
    updateSelectedSize();
    m_groupModel->refresh();
    m_groupPane->selectRow(groupRow);
}

void ORJunksResultViewCter::groupButtonClick(int row)
{
    ORJunkDataGroup *group = m_groupModel->group(row);
    if (!group || !selection::isGroupCheckable(*group))
        return;
    selection::groupButtonClick(*group);
    if (!group->groupItems.isEmpty()) {
        updateSelectedSize();
        tableView(gTableView(), row);
    }
    m_groupModel->refresh();
    m_groupPane->selectRow(row);
}

void ORJunksResultViewCter::autoSelectAction()
{
    const auto data = m_groupModel->result();
    if (!data)
        return;
    selection::setAllGroupsMarked(data->junkGroups, m_bottomBar->autoSelectClicked());
    updateSelectedSize();
    if (!data->junkGroups.isEmpty())
        tableView(gTableView(), 0);
    m_groupModel->refresh();
    m_groupPane->selectRow(0);
}

void ORJunksResultViewCter::updateSelectedSize()
{
    const auto data = m_groupModel->result();
    const qint64 selected = data ? selection::selectedSize(data->junkGroups) : 0;
    if (data)
        data->junkSelectedSize = selected;
    m_bottomBar->showSelectedSize(selected);
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
        m_alert = new ConfirmSheet(window(), tr("Junk Clean"), tr("Do you want to delete the selected junk files?"), [this] {
            next(3);
            RemovalPage::postAfterWorkerHop(QStringLiteral("deljunks"));
        });
        m_alert->setObjectName(QStringLiteral("junkDeleteAlert"));
    }
    m_alert->open();
}
