// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/foundation/ORDupData.h"
#include "gui/dups/KeepOneCopy.h"
#include "gui/shell/GroupListModel.h"

namespace sw {

// The group table of the duplicate result page: one row per listed group,
// showing its picture, name without extension, the size of one copy, how
// many of its copies are selected, and its check image.
class DupGroupModel : public GroupListModel<ORDupData, &ORDupData::dupGroups, KeepOneCopy>
{
public:
    explicit DupGroupModel(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;

    static QString displayName(const ORDupDataGroup &group);
    static qint64 copySize(const ORDupDataGroup &group);
    // "selected/copies", e.g. "2/3".
    static QString copiesText(const ORDupDataGroup &group);
    // By the sort pop-up's tag: 0 the size of one copy, largest first; 1 the
    // lower-cased name; 2 the number of copies, most first; others keep the
    // order. Stable.
    static void sortGroups(QList<ORDupDataGroup *> &groups, int tag);

protected:
    QIcon groupIcon(const ORDupDataGroup &group) const override;
    QString groupExtraText(const ORDupDataGroup &group) const override { return copiesText(group); }
};

}  // namespace sw
