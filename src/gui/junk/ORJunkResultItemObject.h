#pragma once

#include "FamilyItemList.h"
#include "JunkItemModel.h"

// Told when the user ticked or unticked an item of the listed category.
class ORJunkResultItemObjectDelegate
{
public:
    virtual ~ORJunkResultItemObjectDelegate() = default;
    virtual void updateJunkGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The item list of the junk result page: the items of one category with a
// search field and a sort pop-up. Filled through the "getjunks" notification.
class ORJunkResultItemObject
    : public sw::FamilyItemList<ORJunkDataGroup, ORJunkResultItemObjectDelegate,
                                &ORJunkResultItemObjectDelegate::updateJunkGroupCheckStatus, sw::JunkItemModel>
{
    Q_OBJECT
public:
    explicit ORJunkResultItemObject(QWidget *parent = nullptr);

    void obtainJunks(const QVariant &object) { obtain(object); }
    void openJunkItemPath(int row) { revealItem(row); }
};

Q_DECLARE_METATYPE(ORJunkDataGroup *)
