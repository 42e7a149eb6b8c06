#pragma once

#include "ORJunkData.h"
#include "ResultItemList.h"

namespace sw {
class JunkItemModel;
}

// Told when the user ticked or unticked an item of the listed category.
class ORJunkResultItemObjectDelegate
{
public:
    virtual ~ORJunkResultItemObjectDelegate() = default;
    virtual void updateJunkGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The item list of the junk result page: the items of one category with a
// search field and a sort pop-up. Filled through the "getjunks" notification.
class ORJunkResultItemObject : public sw::ResultItemList
{
    Q_OBJECT
public:
    explicit ORJunkResultItemObject(QWidget *parent = nullptr);

    // "getjunks": [row as text, ORJunkDataGroup*, page].
    void obtainJunks(const QVariant &object);
    void openJunkItemPath(int row) { revealItem(row); }

    ORJunkDataGroup *dataGroup() const;
    sw::JunkItemModel *model() const { return m_model; }

protected:
    void itemMarkChanged(int groupRow, int itemRow) override;

private:
    ORJunkResultItemObjectDelegate *m_delegate = nullptr;
    sw::JunkItemModel *m_model = nullptr;
};

Q_DECLARE_METATYPE(ORJunkDataGroup *)
