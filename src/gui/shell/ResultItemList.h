// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/shell/GroupItemModel.h"

#include <QVariant>
#include <QWidget>

class ORItemTableCellView;
class ORTableView;
class QComboBox;
class QLineEdit;

namespace sw {

// The item list of a result page: a search field that filters the listed
// group's items by path, a sort pop-up (size, name) and the rows with their
// check boxes, reveal and preview buttons. The page announces which group to
// list; the subclass hands that group to its model and calls showGroup().
class ResultItemList : public QWidget
{
    Q_OBJECT
public:
    ResultItemList(ItemListModel *model, QWidget *parent = nullptr);

    void clickCheckBox(int row);
    void startSearch(const QString &text);
    void sortChanged(int tag);
    void reloadItems();
    // Shows the row's file in the file manager.
    void revealItem(int row);
    // Opens the row's file in the preview window, or closes the preview of it.
    void previewButton(int row);
    // Adds the row's path to the keep list and takes the item out of the
    // shown result (the right-click menu's "Never Touch This").
    void neverTouch(int row);
    // A page that searches and sorts its groups instead hides the item tools.
    void setItemToolsShown(bool shown);

    QString groupRow() const { return m_groupRow; }
    ORTableView *itemTableView() const { return m_itemTableView; }
    ORItemTableCellView *cellView() const { return m_cellView; }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *sortPopButton() const { return m_sortPopButton; }
    ItemListModel *listModel() const { return m_model; }
    // The path last handed to the preview.
    QString or_itemPath() const { return m_itemPath; }


    // The announcement a result page posts: [row as text, group, page].
    template <class Group>
    static QVariantList announcement(int row, Group *group, QObject *page)
    {
        return QVariantList{QString::number(row), QVariant::fromValue(group), QVariant::fromValue(page)};
    }

signals:
    // The search text changed what is listed, and so what is selected.
    void searchChanged();
    // An item left the shown group: the result's sizes changed.
    void itemDropped();

protected:
    // The model lists a newly announced group: forget the search text and
    // sort it by the pop-up's choice.
    void showGroup(const QString &groupRow);
    // Lists the group of an announcement with showGroup(); answers the page
    // that announced it, nullptr for a malformed announcement.
    template <class Group, class Policy>
    QObject *showAnnounced(const QVariant &object, GroupItemModel<Group, Policy> *model)
    {
        const QVariantList list = object.toList();
        if (list.size() <= 2)
            return nullptr;
        model->setGroup(list.at(1).value<Group *>(), QString());
        showGroup(list.at(0).toString());
        return list.at(2).value<QObject *>();
    }
    // An item's mark changed through its check box.
    virtual void itemMarkChanged(int groupRow, int itemRow) = 0;
    // After showGroup(), for lists that show more of the group than its items.
    virtual void groupShown() {}

private:
    void showItemMenu(const QPoint &pos);

    ItemListModel *m_model = nullptr;
    QString m_groupRow;
    QString m_itemPath;
    ORTableView *m_itemTableView = nullptr;
    ORItemTableCellView *m_cellView = nullptr;
    QLineEdit *m_searchField = nullptr;
    QComboBox *m_sortPopButton = nullptr;
};

}  // namespace sw
