// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shell/ResultPageBase.h"

#include "gui/controls/ORTableView.h"
#include "gui/shell/RemovalPage.h"
#include "gui/shell/ResultBottomBar.h"
#include "gui/shell/ResultItemList.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace sw {

ResultPageBase::ResultPageBase(ORBasedViewCterDelegate *delegate, QWidget *parent, Texts texts)
    : ORBaseViewCter(delegate, parent), m_texts(std::move(texts)), m_bottomBar(new ResultBottomBar(this))
{
    m_bottomBar->delBut()->setText(RemovalWording(m_texts.action, m_texts.toTrash).actionName());
    connect(m_bottomBar->startOverBut(), &QPushButton::clicked, this, &ResultPageBase::startOverButton);
    connect(m_bottomBar->delBut(), &QPushButton::clicked, this, &ResultPageBase::delButton);
}

QPushButton *ResultPageBase::autoSelectButton() const { return m_bottomBar->autoSelectButton(); }
QPushButton *ResultPageBase::delBut() const { return m_bottomBar->delBut(); }
QPushButton *ResultPageBase::startOverBut() const { return m_bottomBar->startOverBut(); }
QLabel *ResultPageBase::selectedSizeField() const { return m_bottomBar->selectedSizeField(); }
QLabel *ResultPageBase::selectedUnitField() const { return m_bottomBar->selectedUnitField(); }
ConfirmSheet *ResultPageBase::alert() const { return m_alert; }

QLineEdit *ResultPageBase::findField() const
{
    for (QLineEdit *field : m_searchFields)
        if (field->isVisible() && field->isEnabled())
            return field;
    return nullptr;
}

void ResultPageBase::startOverButton()
{
    forgetResult();
    next(m_texts.scanPage);
}

void ResultPageBase::delButton()
{
    // The figures follow the selection, which may have changed since the last time.
    const ConfirmSheet::Removal removal{removalAction(), removalCount(), removalBytes(), m_texts.toTrash};
    if (!m_alert) {
        m_alert = new ConfirmSheet(window(), removal, [this] {
            RemovalPage::showAndStart(*this, m_texts.removalPage);
        });
    }
    m_alert->setRemoval(removal);
    m_alert->open();
}

void ResultPageBase::watchKeys(ORTableView *groupTable, ResultItemList *items)
{
    m_groupTable = groupTable;
    m_items = items;
    // Tab leaves a table instead of walking its rows.
    for (ORTableView *table : {groupTable, items->itemTableView()}) {
        table->setTabKeyNavigation(false);
        table->setFocusPolicy(Qt::StrongFocus);
        table->installEventFilter(this);
    }
    connect(groupTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { followHighlight(current.row()); });
}

void ResultPageBase::setReadingOrder(const QList<QWidget *> &widgets)
{
    m_searchFields.clear();
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            field->installEventFilter(this);
            m_searchFields.append(field);
        }
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

// The arrow keys move the highlight: the group shown follows it. A click
// moves it too, but lists its group itself once the table has handled it.
void ResultPageBase::followHighlight(int row)
{
    if (m_groupTable->isHandlingPress())
        return;
    if (row >= 0 && (m_items->groupRow().isEmpty() || m_items->groupRow().toInt() != row))
        tableView(m_groupTable, row);
}

bool ResultPageBase::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return ORBaseViewCter::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (auto *field = qobject_cast<QLineEdit *>(watched)) {
        if (key != Qt::Key_Escape || field->text().isEmpty())
            return false;
        field->clear();
        return true;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key != Qt::Key_Space && !enter)
        return false;
    auto *table = static_cast<ORTableView *>(watched);
    const int row = table->currentIndex().row();
    if (row < 0)
        return true;
    if (table == m_groupTable) {
        if (enter)
            tableView(table, row);
        else
            groupButtonClick(row);
    } else if (!enter) {
        m_items->clickCheckBox(row);
    }
    return true;
}

}  // namespace sw
