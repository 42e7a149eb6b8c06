#pragma once

#include "ExtendedTableViewDelegate.h"
#include "ORBaseViewCter.h"
#include "PageNumber.h"

#include <QPointer>

class ORTableView;
class QLabel;
class QMessageBox;
class QPushButton;

namespace sw {

class ResultBottomBar;
class ResultItemList;

// What every result page shares, whatever its families and selection
// policy: the bottom bar with the sizes, "Start Over" and "Delete", the
// confirmation sheet and the hand-off to the removal page, and the keyboard
// (Tab in reading order, Space on a row's check box, Enter on a group row,
// Escape in a search field). The page adds the bar to its layout.
class ResultPageBase : public ORBaseViewCter, public ExtendedTableViewDelegate
{
    Q_OBJECT
public:
    struct Texts
    {
        QString confirmMessage;  // the delete sheet's message
        QString confirmText;     // and its question
        QString removal;         // the notification that starts the removal page's work
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
    QMessageBox *alert() const;

protected:
    // Lets go of the shown result and starts the engine over.
    virtual void forgetResult() = 0;
    // A line the sheet adds under its question; none by default.
    virtual QString removalSummary() const { return QString(); }
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
    QPointer<QMessageBox> m_alert;
};

}  // namespace sw
