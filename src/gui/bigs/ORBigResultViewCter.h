#pragma once

#include "BigGroupModel.h"
#include "ORBigResultItemObject.h"
#include "ResultPage.h"

// The large-file family as the result page sees it.
struct BigResultTraits
{
    using Data = ORBigData;
    using Group = ORBigDataGroup;
    using GroupModel = sw::BigGroupModel;
    using ItemObject = ORBigResultItemObject;
    static constexpr auto groups = &ORBigData::bigGroups;
    static constexpr auto selectedSize = &ORBigData::bigSelectedSize;
    static constexpr auto totalSize = &ORBigData::bigTotalSize;
    static std::shared_ptr<ORBigData> result();
    static void startOver();
};

// Page 19, the large-file result page: the size bands on the left, the
// chosen band's files on the right (ORBigResultItemObject), the selected and
// total sizes, and the buttons that start over or move the ticked files to
// the Trash after a confirmation sheet.
class ORBigResultViewCter : public sw::ResultPage<BigResultTraits>, public ORBigResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void updateBigGroupCheckStatus(int groupRow, int itemRow) override;

    QLabel *bigGroupField() const { return groupInfoField(); }
};
