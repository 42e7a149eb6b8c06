#include "ORBigResultViewCter.h"

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
