#pragma once

#include "GroupItemModel.h"
#include "ORBigData.h"
#include "ResultItemList.h"

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
class ORBigResultItemObject : public sw::ResultItemList
{
    Q_OBJECT
public:
    explicit ORBigResultItemObject(QWidget *parent = nullptr);

    // "bigget": [row as text, ORBigDataGroup*, page].
    void obtainBigs(const QVariant &object);
    void openJunkItemPath(int row) { revealItem(row); }
    // Opens the row's file in the preview window, or closes the preview of it.
    void previewButton(int row);

    ORBigDataGroup *dataGroup() const;
    sw::BigItemModel *model() const { return m_model; }
    // The path last handed to the preview.
    QString or_itemPath() const { return m_itemPath; }

protected:
    void itemMarkChanged(int groupRow, int itemRow) override;

private:
    ORBigResultItemObjectDelegate *m_delegate = nullptr;
    sw::BigItemModel *m_model = nullptr;
    QString m_itemPath;
};

Q_DECLARE_METATYPE(ORBigDataGroup *)
