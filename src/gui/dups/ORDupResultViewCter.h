// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dups/DupKeeper.h"
#include "core/dups/ORDupDataCollection.h"
#include "gui/dups/DupGroupModel.h"
#include "gui/dups/DupKinds.h"
#include "gui/dups/ORDupResultItemObject.h"
#include "gui/shell/ResultPage.h"

class QStackedWidget;

namespace sw {
class DupKindBar;
class DupLinkButton;
class PreviewPane;
class SegmentedControl;
}  // namespace sw

using DupResultTraits = sw::ResultFamily<sw::DupGroupModel, ORDupResultItemObject, ORDupDataCollection,
                                         &ORDupDataCollection::tempDupData, &ORDupData::dupSelectedSize,
                                         &ORDupData::dupTotalSize>;

// Page 15, the duplicate result page: the groups of copies found, narrowed by
// kind and by name and sorted; the copies of the chosen group (or, in preview
// mode, the group's file itself); the kinds' shares in a bar; and the buttons
// that start over or move the selected copies to the Trash. One copy of every
// group always stays unselected, whatever is clicked (the KeepOneCopy policy).
//
// Every appearance, every kind change and every search starts from a clear
// selection, so no group the list does not show is ever selected.
class ORDupResultViewCter : public sw::ResultPage<DupResultTraits>, public ORDupResultItemObjectDelegate
{
    Q_OBJECT
public:
    enum Segment { AllKinds = 0 };  // segment k > 0 is DupKind(k - 1)
    enum Mode { ListMode = 0, PreviewMode = 1 };

    explicit ORDupResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void viewWillAppear() override;
    void viewDidAppear() override;

    void updateDupGroupCheckStatus(int groupRow, int itemRow) override;
    void changeDupGroup(int segment);
    void changeViewMode(int mode);
    void sortedGroups(int tag);
    void startSearch(const QString &text);
    void previewDataGroup(const ORDupDataGroup *group);

    // The groups listed, in their order.
    const QList<ORDupDataGroup *> &groupArr() const { return groupModel()->listed(); }
    const QList<ORDupDataGroup *> &kindGroups(sw::DupKind kind) const;
    const QList<qint64> &groupPies() const { return m_kinds.pies; }

    sw::SegmentedControl *segControl() const { return m_segControl; }
    sw::SegmentedControl *segControlMode() const { return m_segControlMode; }
    QComboBox *sortPopButton() const { return m_sortPopButton; }
    QLineEdit *searchField() const { return m_searchField; }
    ORTableView *groupTableView() const { return gTableView(); }
    sw::PreviewPane *previewPane() const { return m_previewPane; }
    sw::DupKindBar *kindBar() const { return m_kindBar; }
    QComboBox *keepRulePopUp() const { return m_keepRulePopUp; }
    QPushButton *exportButton() const { return m_exportButton; }
    sw::DupLinkButton *linkButton() const { return m_linkButton; }
    // Asks before the selected copies are replaced by links of that kind.
    void confirmLinks(sw::LinkKind kind);
    QLabel *titleTextField() const { return groupTitleField(); }
    QLabel *infoTextField() const { return groupInfoField(); }

protected:
    sw::RemovalWording::Action removalAction() const override;
    void groupAnnounced(ORDupDataGroup *group) override;
    void markGroup(ORDupDataGroup &group, bool marked) override;
    void forgetResult() override;
    bool selectsItemsOfNoSize() const override;

private:
    QWidget *buildTopBar();
    QWidget *buildGroupTools();
    QComboBox *buildKeepRulePopUp();
    QPushButton *buildExportButton(QWidget *bar);
    void buildDetail();
    QPushButton *buildLinkButton(QWidget *bar);
    void setKeyboardOrder();

    void setButEnableStatus();
    void clearSelection();
    void selectDupKind();
    QList<ORDupDataGroup *> segmentGroups() const;
    void keepOrderInResult(QList<ORDupDataGroup *> &groups);
    void listGroups(const QList<ORDupDataGroup *> &groups);
    void showTotal();
    void forgetKinds();

    sw::DupKinds::Lists m_kinds;
    sw::SegmentedControl *m_segControl = nullptr;
    sw::SegmentedControl *m_segControlMode = nullptr;
    QComboBox *m_sortPopButton = nullptr;
    QLineEdit *m_searchField = nullptr;
    sw::DupKindBar *m_kindBar = nullptr;
    QComboBox *m_keepRulePopUp = nullptr;
    QPushButton *m_exportButton = nullptr;
    sw::DupKeeper m_keeper;  // the pop-up's rule, ready for every group
    QStackedWidget *m_detailStack = nullptr;
    QWidget *m_previewBox = nullptr;
    QLabel *m_previewCaption = nullptr;
    sw::PreviewPane *m_previewPane = nullptr;
    sw::DupLinkButton *m_linkButton = nullptr;
};
