#pragma once

#include "FamilyItemList.h"
#include "ORBigData.h"

namespace sw {
using BigItemModel = GroupItemModel<ORBigDataGroup>;
}

// Told when the user ticked or unticked a file of the listed band.
class ORBigResultItemObjectDelegate
{
public:
    virtual ~ORBigResultItemObjectDelegate() = default;
    virtual void updateBigGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The file list of the large-file result page: the files of one size band
// with their dates, a search field (by path) and a sort pop-up. Hovering a
// row shows its reveal and preview buttons. Filled through "bigget".
class ORBigResultItemObject
    : public sw::FamilyItemList<ORBigDataGroup, ORBigResultItemObjectDelegate,
                                &ORBigResultItemObjectDelegate::updateBigGroupCheckStatus>
{
    Q_OBJECT
public:
    explicit ORBigResultItemObject(QWidget *parent = nullptr);

    void obtainBigs(const QVariant &object) { obtain(object); }
    void openJunkItemPath(int row) { revealItem(row); }
    // Opens the row's file in the preview window, or closes the preview of it.
    void previewButton(int row);

    // The path last handed to the preview.
    QString or_itemPath() const { return m_itemPath; }

private:
    QString m_itemPath;
};

Q_DECLARE_METATYPE(ORBigDataGroup *)
