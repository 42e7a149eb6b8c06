#pragma once

#include "FamilyItemList.h"
#include "ORBigData.h"
#include "WholeGroups.h"

namespace sw {
using BigItemModel = GroupItemModel<ORBigDataGroup, WholeGroups>;
}

// Told when the user ticked or unticked a file of the listed band.
class ORBigResultItemObjectDelegate
{
public:
    virtual ~ORBigResultItemObjectDelegate() = default;
    virtual void updateBigGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The file list of the large-file result page: the files of one size band
// with their dates and folders, a search field (by path) and a sort pop-up.
// Hovering a row shows its reveal and preview buttons. Filled through "bigget".
class ORBigResultItemObject
    : public sw::FamilyItemList<ORBigDataGroup, ORBigResultItemObjectDelegate,
                                &ORBigResultItemObjectDelegate::updateBigGroupCheckStatus, sw::BigItemModel>
{
    Q_OBJECT
public:
    explicit ORBigResultItemObject(QWidget *parent = nullptr);

    void obtainBigs(const QVariant &object) { obtain(object); }
    void openJunkItemPath(int row) { revealItem(row); }
};

Q_DECLARE_METATYPE(ORBigDataGroup *)
