#pragma once

#include "ExtendedTableViewDelegate.h"
#include "ORBaseViewCter.h"
#include "ORJunkResultItemObject.h"

class ORJunkFilesCollection;
class ORTableCellView;
class ORTableView;
class QLabel;
class QMessageBox;
class QPushButton;
class QStackedWidget;

namespace sw {
class JunkGroupModel;
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

    ORTableView *gTableView() const { return m_gTableView; }
    ORJunkResultItemObject *itemObject() const { return m_itemObject; }
    QPushButton *autoSelectButton() const { return m_autoSelectButton; }
    QPushButton *delBut() const { return m_delBut; }
    QPushButton *startOverBut() const { return m_startOverBut; }
    QWidget *itemNoView() const { return m_itemNoView; }
    QLabel *selectedSizeField() const { return m_selectedSizeField; }
    QLabel *selectedUnitField() const { return m_selectedUnitField; }
    QMessageBox *alert() const { return m_alert; }
    sw::JunkGroupModel *groupModel() const { return m_groupModel; }

private:
    QWidget *buildGroupPane();
    QWidget *buildItemPane();
    QWidget *buildBottomBar();
    void postDispatchNotification(int row, ORJunkDataGroup *group);
    void selectGroupRow(int row);
    void confirmDelete();

    ORJunkFilesCollection &junkDataCollection;
    sw::JunkGroupModel *m_groupModel = nullptr;
    ORTableView *m_gTableView = nullptr;
    ORTableCellView *m_groupCell = nullptr;
    ORJunkResultItemObject *m_itemObject = nullptr;
    QStackedWidget *m_itemStack = nullptr;
    QWidget *m_itemNoView = nullptr;
    QLabel *m_junkGroupField = nullptr;
    QLabel *m_junkGroupInfoField = nullptr;
    QPushButton *m_autoSelectButton = nullptr;
    QLabel *m_selectedSizeField = nullptr;
    QLabel *m_selectedUnitField = nullptr;
    QLabel *m_totalSizeField = nullptr;
    QLabel *m_totalUnitField = nullptr;
    QPushButton *m_startOverBut = nullptr;
    QPushButton *m_delBut = nullptr;
    QMessageBox *m_alert = nullptr;
};
