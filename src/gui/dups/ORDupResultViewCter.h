#pragma once

#include "DupKinds.h"
#include "ExtendedTableViewDelegate.h"
#include "ORBaseViewCter.h"
#include "ORDupResultItemObject.h"

#include <memory>

class ORDupDataCollection;
class ORTableView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QStackedWidget;

namespace sw {
class DupGroupModel;
class DupKindBar;
class PreviewPane;
class ResultBottomBar;
class SegmentedControl;
}  // namespace sw

// Page 15, the duplicate result page: the groups of copies found, narrowed by
// kind and by name and sorted; the copies of the chosen group (or, in preview
// mode, the group's file itself); the kinds' shares in a bar; and the buttons
// that start over or move the selected copies to the Trash. One copy of every
// group always stays unselected, whatever is clicked.
//
// Every appearance, every kind change and every search starts from a clear
// selection.
class ORDupResultViewCter : public ORBaseViewCter,
                            public ExtendedTableViewDelegate,
                            public ORDupResultItemObjectDelegate
{
    Q_OBJECT
public:
    enum Segment { AllKinds = 0 };  // segment k > 0 is DupKind(k - 1)
    enum Mode { ListMode = 0, PreviewMode = 1 };

    explicit ORDupResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void viewWillAppear() override;
    void viewDidAppear() override;

    void tableView(ORTableView *tableView, qint64 didClickedRow) override;
    void updateDupGroupCheckStatus(int groupRow, int itemRow) override;
    void changeDupGroup(int segment);
    void changeViewMode(int mode);
    void sortedGroups(int tag);
    void startSearch(const QString &text);
    void autoSelectAction();
    void groupButtonClick(int row);
    void updateSelectedSize();
    void startOverButton();
    void delButton();
    void previewDataGroup(const ORDupDataGroup *group);

    // The groups listed, in their order.
    const QList<ORDupDataGroup *> &groupArr() const { return m_groupArr; }
    const QList<ORDupDataGroup *> &kindGroups(sw::DupKind kind) const;
    const QList<qint64> &groupPies() const { return m_kinds.pies; }

    sw::SegmentedControl *segControl() const { return m_segControl; }
    sw::SegmentedControl *segControlMode() const { return m_segControlMode; }
    QComboBox *sortPopButton() const { return m_sortPopButton; }
    QLineEdit *searchField() const { return m_searchField; }
    sw::ResultBottomBar *bottomBar() const { return m_bottomBar; }
    ORTableView *groupTableView() const { return m_groupTableView; }
    sw::DupGroupModel *groupModel() const { return m_groupModel; }
    ORDupResultItemObject *itemObject() const { return m_itemObject; }
    sw::PreviewPane *previewPane() const { return m_previewPane; }
    sw::DupKindBar *kindBar() const { return m_kindBar; }
    QLabel *titleTextField() const { return m_titleTextField; }
    QLabel *infoTextField() const { return m_infoTextField; }
    QMessageBox *alert() const { return m_alert; }

private:
    QWidget *buildTopBar();
    QWidget *buildGroupPane();
    QWidget *buildDetailPane();

    void initDupGroup();
    void setButEnableStatus();
    void setAttributesOfGroups();
    void selectDupKind();
    void resetAutoSelect();
    QList<ORDupDataGroup *> segmentGroups() const;
    void keepOrderInResult();
    void announceGroup(int row);
    void reloadGroups(int selectRow);
    void showTotal();
    void confirmDelete();
    void forgetResult();

    ORDupDataCollection &dupDataCollection;
    std::shared_ptr<ORDupData> m_data;
    sw::DupKinds::Lists m_kinds;
    QList<ORDupDataGroup *> m_groupArr;

    sw::SegmentedControl *m_segControl = nullptr;
    sw::SegmentedControl *m_segControlMode = nullptr;
    QComboBox *m_sortPopButton = nullptr;
    QLineEdit *m_searchField = nullptr;
    ORTableView *m_groupTableView = nullptr;
    sw::DupGroupModel *m_groupModel = nullptr;
    QLabel *m_titleTextField = nullptr;
    QLabel *m_infoTextField = nullptr;
    sw::DupKindBar *m_kindBar = nullptr;
    QStackedWidget *m_detailStack = nullptr;
    ORDupResultItemObject *m_itemObject = nullptr;
    QWidget *m_previewBox = nullptr;
    QLabel *m_previewCaption = nullptr;
    sw::PreviewPane *m_previewPane = nullptr;
    sw::ResultBottomBar *m_bottomBar = nullptr;
    QMessageBox *m_alert = nullptr;
};
