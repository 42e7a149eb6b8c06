#pragma once

#include "GroupListModel.h"
#include "ORAppData.h"
#include "WholeGroups.h"

namespace sw {

// The application table of the uninstaller's result page: one row per listed
// application, with the icon of its bundle and how many items it leaves.
class AppGroupModel : public GroupListModel<ORAppData, &ORAppData::appGroups, WholeGroups>
{
public:
    using GroupListModel::GroupListModel;

    // By the sort pop-up's tag: 0 the size per item, largest first; 1 the
    // lower-cased last path component of the name. Stable.
    static void sortGroups(QList<ORAppDataGroup *> &groups, int tag);
    // The first item is the bundle whenever it measured anything.
    static QIcon appIcon(const ORAppDataGroup &group);

protected:
    QIcon groupIcon(const ORAppDataGroup &group) const override { return appIcon(group); }
    QString groupExtraText(const ORAppDataGroup &group) const override;
};

}  // namespace sw
