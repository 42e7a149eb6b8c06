#pragma once

#include "JunkGroupModel.h"
#include "ORJunkResultItemObject.h"
#include "ResultPage.h"

class QStackedWidget;

// The junk family as the result page sees it.
struct JunkResultTraits
{
    using Data = ORJunkData;
    using Group = ORJunkDataGroup;
    using GroupModel = sw::JunkGroupModel;
    using ItemObject = ORJunkResultItemObject;
    static constexpr auto groups = &ORJunkData::junkGroups;
    static constexpr auto selectedSize = &ORJunkData::junkSelectedSize;
    static constexpr auto totalSize = &ORJunkData::junkTotalSize;
    static std::shared_ptr<ORJunkData> result();
    static void startOver();
};

// Page 2, the junk result page: the categories on the left, the items of the
// chosen one on the right (or a note when it is empty), the selected and
// total sizes, and the buttons that start over or delete what is ticked
// (after a confirmation sheet).
class ORJunksResultViewCter : public sw::ResultPage<JunkResultTraits>, public ORJunkResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORJunksResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void updateJunkGroupCheckStatus(int groupRow, int itemRow) override;

    QWidget *itemNoView() const { return m_itemNoView; }

protected:
    void groupAnnounced(ORJunkDataGroup &group) override;

private:
    QStackedWidget *m_itemStack = nullptr;
    QWidget *m_itemNoView = nullptr;
};
