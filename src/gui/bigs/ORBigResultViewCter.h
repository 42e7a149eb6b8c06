// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bigs/ORBigDataCollection.h"
#include "gui/bigs/BigGroupModel.h"
#include "gui/bigs/ORBigResultItemObject.h"
#include "gui/shell/ResultPage.h"

// Page 19, the large-file result page: the size bands on the left, the
// chosen band's files on the right (ORBigResultItemObject), the selected and
// total sizes, and the buttons that start over or move the ticked files to
// the Trash after a confirmation sheet.
class ORBigResultViewCter
    : public sw::ResultPage<sw::ResultFamily<sw::BigGroupModel, ORBigResultItemObject, ORBigDataCollection,
                                             &ORBigDataCollection::tempBigData, &ORBigData::bigSelectedSize,
                                             &ORBigData::bigTotalSize>>,
      public ORBigResultItemObjectDelegate
{
    Q_OBJECT
public:
    explicit ORBigResultViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    void updateBigGroupCheckStatus(int groupRow, int itemRow) override;

    QLabel *bigGroupField() const { return groupInfoField(); }

protected:
    // The band of the largest files found: what is worth a look first.
    int openingRow() const override;
};
