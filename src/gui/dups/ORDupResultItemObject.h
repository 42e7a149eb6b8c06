#pragma once

#include "DupItemModel.h"
#include "FamilyItemList.h"

class QLabel;

// Told when the user ticked or unticked a copy of the listed group.
class ORDupResultItemObjectDelegate
{
public:
    virtual ~ORDupResultItemObjectDelegate() = default;
    virtual void updateDupGroupCheckStatus(int groupRow, int itemRow) = 0;
};

// The copy list of the duplicate result page: the group's name and copies
// above the copies of one group, each with its check box, a reveal and a
// preview button. Filled through "dupget". One copy of every group always
// stays unselected: the box that would select the last one is disabled.
class ORDupResultItemObject
    : public sw::FamilyItemList<ORDupDataGroup, ORDupResultItemObjectDelegate,
                                &ORDupResultItemObjectDelegate::updateDupGroupCheckStatus, sw::DupItemModel>
{
    Q_OBJECT
public:
    explicit ORDupResultItemObject(QWidget *parent = nullptr);

    // "dupget": [group row as text, ORDupDataGroup*, page].
    void obtainDups(const QVariant &object) { obtain(object); }
    void openDupItemPath(int row) { revealItem(row); }

protected:
    void groupShown() override;

private:
    QLabel *m_caption = nullptr;
    QLabel *m_info = nullptr;
};

Q_DECLARE_METATYPE(ORDupDataGroup *)
