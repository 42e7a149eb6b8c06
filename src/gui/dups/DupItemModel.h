#pragma once

#include "GroupItemModel.h"
#include "KeepOneCopy.h"

namespace sw {

// The copy list: the copies of one group, in the group's order, each named
// with the folder it lies in. The box of a copy that must stay (the one
// unselected copy) is disabled.
class DupItemModel : public GroupItemModel<ORDupDataGroup, KeepOneCopy>
{
    Q_OBJECT
public:
    explicit DupItemModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;
};

}  // namespace sw
