// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/dups/DupItemModel.h"
#include "gui/dups/ORDupResultItemObjectDelegate.h"
#include "gui/shell/FamilyItemList.h"

class QLabel;

// The copy list of the duplicate result page: the group's name and copies
// above the copies of one group, each with its check box, a reveal and a
// preview button. Filled through "dupget". One copy of every group always
// stays unselected: the box that would select the last one is disabled.
class ORDupResultItemObject
    : public sw::FamilyItemList<&ORDupResultItemObjectDelegate::updateDupGroupCheckStatus, sw::DupItemModel>
{
    Q_OBJECT
public:
    explicit ORDupResultItemObject(QWidget *parent = nullptr);

protected:
    void groupShown() override;

private:
    QLabel *m_caption = nullptr;
    QLabel *m_info = nullptr;
};
