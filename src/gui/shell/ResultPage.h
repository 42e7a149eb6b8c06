// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORNotificationCenter.h"
#include "core/foundation/ORSelection.h"
#include "gui/controls/ORTableView.h"
#include "gui/shell/GroupListPane.h"
#include "gui/shell/PageStyle.h"
#include "gui/shell/ResultBottomBar.h"
#include "gui/shell/ResultFamily.h"
#include "gui/shell/ResultItemList.h"
#include "gui/shell/ResultPageBase.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

// A result page: the listed groups on the left, the shown group's title,
// info and items on the right, the bar with the sizes and buttons below.
// Traits is the family and its engine, a ResultFamily; its group model's
// selection policy decides what a click marks (whole groups, or all copies
// but one). What is selected, and what Delete removes, is what is marked
// and not hidden by a search.
template <class Traits>
class ResultPage : public ResultPageBase
{
public:
    using Data = typename Traits::Data;
    using Group = typename Traits::Group;
    using GroupModel = typename Traits::GroupModel;
    using ItemObject = typename Traits::ItemObject;
    using Policy = typename Traits::Policy;

    struct Texts
    {
        ResultPageBase::Texts base;
        QString groupsTitle;   // over the group list
        QString announcement;  // tells the item list which group to show
    };

    ResultPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Texts texts)
        : ResultPageBase(delegate, parent, std::move(texts.base)), m_announcement(std::move(texts.announcement))
    {
        m_column = new QVBoxLayout(this);
        m_column->setContentsMargins(0, 0, 0, 0);
        m_column->setSpacing(0);
        auto *panes = new QHBoxLayout;
        panes->setContentsMargins(0, 0, 0, 0);
        panes->setSpacing(0);
        m_groupModel = new GroupModel(this);
        m_groupPane = new GroupListPane(texts.groupsTitle, m_groupModel, this, this);
        QObject::connect(m_groupPane, &GroupListPane::checkClicked, this, [this](int row) { groupButtonClick(row); });
        panes->addWidget(m_groupPane);
        panes->addWidget(buildItemPane(), 1);
        m_column->addLayout(panes, 1);
        QObject::connect(autoSelectButton(), &QPushButton::clicked, this, [this] { autoSelectAction(); });
        QObject::connect(m_itemObject, &ResultItemList::searchChanged, this, [this] { updateSelectedSize(); });
        QObject::connect(m_itemObject, &ResultItemList::itemDropped, this, [this] { itemDropped(); });
        m_column->addWidget(bottomBar());
        watchKeys(gTableView(), m_itemObject);
        setReadingOrder({gTableView(), m_itemObject->searchField(), m_itemObject->sortPopButton(),
                         m_itemObject->itemTableView(), autoSelectButton(), startOverBut(), delBut()});
    }

    void viewWillAppear() override
    {
        const auto data = Traits::result();
        // The item list points into the result it was last given; a new result
        // (after a new scan) must not be painted through the old one.
        if (data != m_groupModel->result())
            m_itemObject->forgetGroup();
        m_groupModel->setResult(data);
        if (Group *first = m_groupModel->group(openingRow()))
            m_groupTitleField->setText(first->groupName);
    }

    void viewDidAppear() override
    {
        const auto data = m_groupModel->result();
        if (!data)
            return;
        announceGroup(openingRow());
        updateSelectedSize();
        // The select-all button names what it will do with the selection as it is.
        bottomBar()->setAutoSelectTitle((*data).*Traits::selectedSize == 0);
        bottomBar()->showTotalSize((*data).*Traits::totalSize);
    }

    // A click on a group row (or Enter on it) lists its items.
    void tableView(ORTableView *, qint64 row) override { announceGroup(int(row)); }

    void groupButtonClick(int row) override
    {
        Group *group = m_groupModel->group(row);
        if (!group || !Policy::isGroupCheckable(*group))
            return;
        // A group with anything marked is cleared, an unmarked one marked.
        markGroup(*group, group->isGroupDelFlag == 0);
        updateSelectedSize();
        announceGroup(row);
        m_groupModel->refresh();
    }

    // The button's title says what it does next: "Select" marks every
    // listed group (as the policy marks a group), "Deselect" clears them.
    void autoSelectAction()
    {
        const bool select = bottomBar()->autoSelectClicked();
        for (Group *group : m_groupModel->listed())
            if (Policy::isGroupCheckable(*group))
                markGroup(*group, select);
        updateSelectedSize();
        // The group shown stays shown, its boxes now ticked or cleared.
        const int shown = m_groupModel->rowOf(m_itemObject->dataGroup());
        announceGroup(shown >= 0 ? shown : openingRow());
        m_groupModel->refresh();
    }

    void updateSelectedSize()
    {
        const auto data = m_groupModel->result();
        const qint64 selected = data ? Traits::selectedSizeOf(*data) : 0;
        if (data)
            (*data).*Traits::selectedSize = selected;
        bool anyMarked = false;
        if (selectsItemsOfNoSize())
            for (const Group *group : m_groupModel->listed())
                anyMarked = anyMarked || group->isGroupDelFlag != 0;
        bottomBar()->showSelectedSize(selected, anyMarked);
        m_itemObject->reloadItems();
    }

    // An item left the shown group: the result's total and the sizes shown follow.
    void itemDropped()
    {
        const auto data = m_groupModel->result();
        if (!data)
            return;
        const qint64 total = Traits::totalSizeOf(*data);
        (*data).*Traits::totalSize = total;
        bottomBar()->showTotalSize(total);
        updateSelectedSize();
        m_groupModel->refresh();
    }

    ORTableView *gTableView() const { return m_groupPane->tableView(); }
    GroupListPane *groupPane() const { return m_groupPane; }
    ItemObject *itemObject() const { return m_itemObject; }
    GroupModel *groupModel() const { return m_groupModel; }
    QLabel *groupTitleField() const { return m_groupTitleField; }
    QLabel *groupInfoField() const { return m_groupInfoField; }

protected:
    // Lists the group of that row (none: an empty list) and highlights it.
    // Only the shown group may be narrowed by a search: the group shown
    // before is listed whole again, so nothing stays hidden out of sight.
    void announceGroup(int row)
    {
        Group *group = m_groupModel->group(row);
        if (Group *shown = m_itemObject->dataGroup(); shown && shown != group)
            selection::applySearch(*shown, QString());
        if (!group) {
            m_itemObject->forgetGroup();
            groupAnnounced(nullptr);
            return;
        }
        groupAnnounced(group);
        ORNotificationCenter::defaultCenter().postNotification(
            m_announcement, ResultItemList::announcement(row, group, static_cast<QObject *>(this)));
        m_groupPane->selectRow(row);
    }
    // After an item's check box changed: the group is up to date already.
    void updateGroupCheckStatus(int groupRow)
    {
        updateSelectedSize();
        m_groupModel->refresh();
        m_groupPane->selectRow(groupRow);
    }
    // The group about to be listed (nullptr: none), for pages that show more
    // than its items: by default its name and info above the list.
    virtual void groupAnnounced(Group *group)
    {
        if (!group)
            return;
        m_groupTitleField->setText(group->groupName);
        if constexpr (requires { group->groupInfo; })
            m_groupInfoField->setText(group->groupInfo);
    }
    // The group shown when the page appears.
    virtual int openingRow() const { return 0; }
    // What the auto-select and a group's check button do to one group.
    virtual void markGroup(Group &group, bool marked) { Policy::setGroupMarked(group, marked); }
    // True where items of 0 bytes (an empty file) are worth removing: Delete
    // then follows what is selected rather than its size.
    virtual bool selectsItemsOfNoSize() const { return false; }
    int removalCount() const override
    {
        const auto data = m_groupModel->result();
        return data ? Traits::selectedCountOf(*data) : 0;
    }
    qint64 removalBytes() const override
    {
        const auto data = m_groupModel->result();
        return data ? Traits::selectedSizeOf(*data) : 0;
    }
    void forgetResult() override
    {
        m_itemObject->forgetGroup();
        m_groupModel->setResult(nullptr);
        Traits::startOver();
    }
    QVBoxLayout *pageLayout() const { return m_column; }
    // The layout that holds the item list, for pages that wrap it.
    QVBoxLayout *itemPaneLayout() const { return m_itemPaneLayout; }

private:
    QWidget *buildItemPane()
    {
        auto *pane = new QWidget(this);
        m_itemPaneLayout = new QVBoxLayout(pane);
        m_itemPaneLayout->setContentsMargins(20, 16, 20, 8);
        m_itemPaneLayout->setSpacing(4);
        m_groupTitleField = PageStyle::heading(QString(), pane, 16);
        m_groupTitleField->setObjectName(QStringLiteral("groupTitleField"));
        m_itemPaneLayout->addWidget(m_groupTitleField);
        m_groupInfoField = PageStyle::muted(QString(), pane, 10);
        m_groupInfoField->setObjectName(QStringLiteral("groupInfoField"));
        m_itemPaneLayout->addWidget(m_groupInfoField);
        m_itemPaneLayout->addSpacing(8);
        m_itemObject = new ItemObject(pane);
        m_itemPaneLayout->addWidget(m_itemObject, 1);
        return pane;
    }

    const QString m_announcement;
    QVBoxLayout *m_column = nullptr;
    GroupModel *m_groupModel = nullptr;
    GroupListPane *m_groupPane = nullptr;
    QVBoxLayout *m_itemPaneLayout = nullptr;
    QLabel *m_groupTitleField = nullptr;
    QLabel *m_groupInfoField = nullptr;
    ItemObject *m_itemObject = nullptr;
};

}  // namespace sw
