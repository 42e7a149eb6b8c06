#pragma once

#include "ExtendedTableViewDelegate.h"
#include "ORBaseViewCter.h"
#include "ORJunkResultItemObject.h"

class ORJunkFilesCollection;
class ORTableView;
class QLabel;
class QMessageBox;
class QPushButton;
class QStackedWidget;

namespace sw {
class GroupListPane;
class JunkGroupModel;
class ResultBottomBar;
}

// Page 2, the junk result page: the categories on the left, the items of the
// chosen one on the right, the selected and total sizes, and the buttons that
// start over or delete what is ticked (after a confirmation sheet).
class ORJunksResultViewCter : public ORBaseViewCter,
                              public ExtendedTableViewDelegate,
                              public ORJunkResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void viewWillAppear() override;
    void viewDidAppear() override;

    void tableView(ORTableView *tableView, qint64 didClickedRow) override;
    void updateJunkGroupCheckStatus(int groupRow, int itemRow) override;
    void groupButtonClick(int row);
    void autoSelectAction();
    void updateSelectedSize();
    void startOverButton();
    void delButton();

    ORTableView *gTableView() const;
    ORJunkResultItemObject *itemObject() const { return m_itemObject; }
    QPushButton *autoSelectButton() const;
    QPushButton *delBut() const;
    QPushButton *startOverBut() const;
    QWidget *itemNoView() const { return m_itemNoView; }
    QLabel *selectedSizeField() const;
    QLabel *selectedUnitField() const;
    QMessageBox *alert() const { return m_alert; }
    sw::JunkGroupModel *groupModel() const { return m_groupModel; }

private:
    QWidget *buildItemPane();
    void postDispatchNotification(int row, ORJunkDataGroup *group);

    ORJunkFilesCollection &junkDataCollection;
    sw::JunkGroupModel *m_groupModel = nullptr;
    sw::GroupListPane *m_groupPane = nullptr;
    ORJunkResultItemObject *m_itemObject = nullptr;
    QStackedWidget *m_itemStack = nullptr;
    QWidget *m_itemNoView = nullptr;
    QLabel *m_junkGroupField = nullptr;
    QLabel *m_junkGroupInfoField = nullptr;
    sw::ResultBottomBar *m_bottomBar = nullptr;
    QMessageBox *m_alert = nullptr;
};
