#pragma once

#include "ConfirmSheet.h"
#include "ExtendedTableViewDelegate.h"
#include "GroupListPane.h"
#include "ORBaseViewCter.h"
#include "ORNotificationCenter.h"
#include "ORSelection.h"
#include "PageStyle.h"
#include "RemovalPage.h"
#include "ResultBottomBar.h"
#include "ResultFamily.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace sw {

// The base of the result pages with whole-group selection (junk, large
// files): the groups on the left, the listed group's title, info and items
// on the right, the bar with the sizes and buttons below. Traits is the
// family and its engine, a ResultFamily. The selection follows
// sw::selection; the page only shows it.
template <class Traits>
class ResultPage : public ORBaseViewCter, public ExtendedTableViewDelegate
{
public:
    using Data = typename Traits::Data;
    using Group = typename Traits::Group;
    using GroupModel = typename Traits::GroupModel;
    using ItemObject = typename Traits::ItemObject;

    struct Texts
    {
        QString groupsTitle;     // over the group list
        QString confirmMessage;  // the delete sheet's message
        QString confirmText;     // and its question
        QString announcement;    // tells the item list which group to show
        QString removal;         // starts the removal page's work
        qint64 scanPage = 0;
        qint64 removalPage = 0;
    };

    ResultPage(ORBasedViewCterDelegate *delegate, QWidget *parent, Texts texts)
        : ORBaseViewCter(delegate, parent), m_texts(std::move(texts))
    {
        auto *column = new QVBoxLayout(this);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto *panes = new QHBoxLayout;
        panes->setContentsMargins(0, 0, 0, 0);
        panes->setSpacing(0);
        m_groupModel = new GroupModel(this);
        m_groupPane = new GroupListPane(m_texts.groupsTitle, m_groupModel, this, this);
        QObject::connect(m_groupPane, &GroupListPane::checkClicked, this, [this](int row) { groupButtonClick(row); });
        panes->addWidget(m_groupPane);
        panes->addWidget(buildItemPane(), 1);
        column->addLayout(panes, 1);
        m_bottomBar = new ResultBottomBar(this);
        QObject::connect(m_bottomBar->autoSelectButton(), &QPushButton::clicked, this, [this] { autoSelectAction(); });
        QObject::connect(m_bottomBar->startOverBut(), &QPushButton::clicked, this, [this] { startOverButton(); });
        QObject::connect(m_bottomBar->delBut(), &QPushButton::clicked, this, [this] { delButton(); });
        column->addWidget(m_bottomBar);
    }

    void viewWillAppear() override
    {
        const auto data = Traits::result();
        // The item list points into the result it was last given; a new result
        // (after a new scan) must not be painted through the old one.
        if (data != m_groupModel->result())
            m_itemObject->model()->setGroup(nullptr, QString());
        m_groupModel->setResult(data);
        if (Group *first = m_groupModel->group(0))
            m_groupTitleField->setText(first->groupName);
    }

    void viewDidAppear() override
    {
        const auto data = m_groupModel->result();
        if (!data)
            return;
        if (!((*data).*Traits::groups).isEmpty())
            tableView(gTableView(), 0);
        updateSelectedSize();
        // The select-all button names what it will do with the selection as it is.
        m_bottomBar->setAutoSelectTitle((*data).*Traits::selectedSize == 0);
        m_bottomBar->showTotalSize((*data).*Traits::totalSize);
        m_groupModel->refresh();
        m_groupPane->selectRow(0);
    }

    // A click on a group row lists its items.
    void tableView(ORTableView *, qint64 row) override
    {
        Group *group = m_groupModel->group(int(row));
        if (!group)
            return;
        // Only the listed group may be narrowed by a search: what is hidden
        // is left out of the removal, so nothing stays hidden out of sight.
        for (Group &each : *m_groupModel->groups())
            selection::applySearch(each, QString());
        groupAnnounced(*group);
        m_groupTitleField->setText(group->groupName);
        m_groupInfoField->setText(group->groupInfo);
        ORNotificationCenter::defaultCenter().postNotification(
            m_texts.announcement, ResultItemList::announcement(int(row), group, static_cast<QObject *>(this)));
    }

    void groupButtonClick(int row)
    {
        Group *group = m_groupModel->group(row);
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

    void autoSelectAction()
    {
        const auto data = m_groupModel->result();
        if (!data)
            return;
        selection::setAllGroupsMarked((*data).*Traits::groups, m_bottomBar->autoSelectClicked());
        updateSelectedSize();
        if (!((*data).*Traits::groups).isEmpty())
            tableView(gTableView(), 0);
        m_groupModel->refresh();
        m_groupPane->selectRow(0);
    }

    void updateSelectedSize()
    {
        const auto data = m_groupModel->result();
        const qint64 selected = data ? Traits::selectedSizeOf(*data) : 0;
        if (data)
            (*data).*Traits::selectedSize = selected;
        m_bottomBar->showSelectedSize(selected);
        m_itemObject->reloadItems();
    }

    void startOverButton()
    {
        Traits::startOver();
        next(m_texts.scanPage);
    }

    void delButton()
    {
        if (!m_alert) {
            m_alert = new ConfirmSheet(window(), m_texts.confirmMessage, m_texts.confirmText, [this] {
                next(m_texts.removalPage);
                RemovalPage::postAfterWorkerHop(m_texts.removal);
            });
        }
        m_alert->open();
    }

    ORTableView *gTableView() const { return m_groupPane->tableView(); }
    ItemObject *itemObject() const { return m_itemObject; }
    GroupModel *groupModel() const { return m_groupModel; }
    ResultBottomBar *bottomBar() const { return m_bottomBar; }
    QPushButton *autoSelectButton() const { return m_bottomBar->autoSelectButton(); }
    QPushButton *delBut() const { return m_bottomBar->delBut(); }
    QPushButton *startOverBut() const { return m_bottomBar->startOverBut(); }
    QLabel *selectedSizeField() const { return m_bottomBar->selectedSizeField(); }
    QLabel *selectedUnitField() const { return m_bottomBar->selectedUnitField(); }
    QLabel *groupInfoField() const { return m_groupInfoField; }
    QMessageBox *alert() const { return m_alert; }

protected:
    // After an item's check box changed: the group is up to date already.
    void updateGroupCheckStatus(int groupRow)
    {
        updateSelectedSize();
        m_groupModel->refresh();
        m_groupPane->selectRow(groupRow);
    }
    // The group about to be listed, for pages that show more than its items.
    virtual void groupAnnounced(Group &) {}
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

    const Texts m_texts;
    GroupModel *m_groupModel = nullptr;
    GroupListPane *m_groupPane = nullptr;
    QVBoxLayout *m_itemPaneLayout = nullptr;
    QLabel *m_groupTitleField = nullptr;
    QLabel *m_groupInfoField = nullptr;
    ItemObject *m_itemObject = nullptr;
    ResultBottomBar *m_bottomBar = nullptr;
    QPointer<QMessageBox> m_alert;
};

}  // namespace sw
