// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/controls/ExtendedTableViewDelegate.h"
#include "gui/shell/ConfirmSheet.h"
#include "gui/shell/ORBaseViewCter.h"
#include "gui/shell/PageNumber.h"

#include <QPointer>

class ORTableView;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sw {

class ResultBottomBar;
class ResultItemList;

// What every result page shares, whatever its families and selection
// policy: the bottom bar with the sizes, "Start Over" and the action
// ("Delete", "Move to the Trash", ...), the confirmation sheet (the action
// with its count and size) and the hand-off to the removal page, and the
// keyboard (Tab in reading order, Space on a row's check box, Enter on a
// group row, Escape in a search field). The page adds the bar to its layout.
class ResultPageBase : public ORBaseViewCter, public ExtendedTableViewDelegate
{
    Q_OBJECT
public:
    struct Texts
    {
        RemovalWording::Action action;  // what the confirmation asks about
        bool toTrash = false;           // whether the items go to the Trash
        PageNumber scanPage;
        PageNumber removalPage;
    };

    ResultPageBase(ORBasedViewCterDelegate *delegate, QWidget *parent, Texts texts);

    void startOverButton();
    void delButton();
    // A group's check button (or Space on its row).
    virtual void groupButtonClick(int row) = 0;

    ResultBottomBar *bottomBar() const { return m_bottomBar; }
    QPushButton *autoSelectButton() const;
    QPushButton *delBut() const;
    QPushButton *startOverBut() const;
    QLabel *selectedSizeField() const;
    QLabel *selectedUnitField() const;
    ConfirmSheet *alert() const;
    // The first search field of the reading order that is shown.
    QLineEdit *findField() const override;

protected:
    // Lets go of the shown result and starts the engine over.
    virtual void forgetResult() = 0;
    // What Delete would remove now: how many (items, or what the action
    // counts) and how many bytes.
    virtual int removalCount() const = 0;
    // What the confirmation asks about; the page's own unless it finds
    // several kinds of thing.
    virtual RemovalWording::Action removalAction() const { return m_texts.action; }
    virtual qint64 removalBytes() const = 0;
    // Takes the keys of the group table and the item list.
    void watchKeys(ORTableView *groupTable, ResultItemList *items);
    // Tab visits the widgets in the order given; Escape clears its search fields.
    void setReadingOrder(const QList<QWidget *> &widgets);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followHighlight(int row);

    const Texts m_texts;
    ResultBottomBar *m_bottomBar = nullptr;
    ORTableView *m_groupTable = nullptr;
    ResultItemList *m_items = nullptr;
    QList<QLineEdit *> m_searchFields;
    QPointer<ConfirmSheet> m_alert;
};

}  // namespace sw
