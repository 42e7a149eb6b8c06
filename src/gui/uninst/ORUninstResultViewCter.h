// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/uninst/ORAppDataCollection.h"
#include "gui/shell/ResultPage.h"
#include "gui/uninst/AppGroupModel.h"
#include "gui/uninst/ORUninstResultItemObject.h"

class QComboBox;
class QLineEdit;

// The confirmation counts applications: those with anything ticked.
struct UninstResultTraits
    : sw::ResultFamily<sw::AppGroupModel, ORUninstResultItemObject, ORAppDataCollection,
                       &ORAppDataCollection::tempAppData, &ORAppData::appSelectedSize, &ORAppData::appTotalSize>
{
    static int selectedCountOf(const ORAppData &data);
};

// Page 23, the uninstaller's result page: the applications on the left,
// searched by name and sorted; the chosen application's icon, name, size and
// last use with its bundle and leftovers on the right; the selected and total
// sizes and the buttons that start over or remove what is ticked after a
// confirmation sheet.
//
// A search starts from every application and a clear selection, so nothing
// the list does not show is ever ticked. Ticking an application ticks it with
// its caches and settings, never the user's data (sw::AppTicks).
class ORUninstResultViewCter : public sw::ResultPage<UninstResultTraits>,
                               public ORUninstResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORUninstResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void viewDidAppear() override;

    void updateAppGroupCheckStatus(int groupRow, int itemRow) override;
    void enterSearch();
    void startSearch(const QString &text);
    void sortedGroups(int tag);
    // Every group unmarked and listed, every item unmarked and shown.
    void setAttributesOfGroups();

    // The applications listed, in their order.
    const QList<ORAppDataGroup *> &groupArr() const { return groupModel()->listed(); }
    ORTableView *groupTableView() const { return gTableView(); }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *or_PopUpBut() const { return m_sortPopButton; }
    QLabel *appNameField() const { return groupTitleField(); }
    QLabel *appSizeField() const { return m_appSizeField; }
    QLabel *appLastTimeField() const { return m_appLastTimeField; }
    QLabel *appImageIcon() const { return m_appImageIcon; }
    QLabel *appSourceField() const { return m_appSourceField; }

protected:
    void groupAnnounced(ORAppDataGroup *group) override;
    void markGroup(ORAppDataGroup &group, bool marked) override;

private:
    QWidget *buildGroupTools();
    void buildAppHeader();
    // Lists the groups the search lets through, in the sort pop-up's order.
    void listGroups();

    QLineEdit *m_searchField = nullptr;
    QComboBox *m_sortPopButton = nullptr;
    QLabel *m_appImageIcon = nullptr;
    QLabel *m_appSourceField = nullptr;
    QLabel *m_appSizeField = nullptr;
    QLabel *m_appLastTimeField = nullptr;
};
