#include "ORBigResultViewCter.h"

#include "ORBigDataCollection.h"

std::shared_ptr<ORBigData> BigResultTraits::result()
{
    return ORBigDataCollection::shareInstance().tempBigData();
}

void BigResultTraits::startOver()
{
    ORBigDataCollection::shareInstance().startOver();
}

ORBigResultViewCter::ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent)
    : ResultPage(delegate, parent,
                 Texts{tr("File Sizes"), tr("Large Files Clean"), tr("Do you want to delete the selected large files?"),
                       QStringLiteral("bigget"), QStringLiteral("delbigfiles"), 17, 20})
{
}

void ORBigResultViewCter::updateBigGroupCheckStatus(int groupRow, int)
{
    updateGroupCheckStatus(groupRow);
}
