#pragma once

#include "RemovalPage.h"

namespace sw {
class RemovedItemList;
}

// Page 24, the uninstaller's removal page: removes what the result page left
// ticked when "delapps" arrives, then shows the bytes removed, each item that
// went (once, however many applications it was found for) and what stayed.
class ORUninstDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    sw::RemovedItemList *groupTableView() const { return m_groupTableView; }

private:
    sw::RemovedItemList *m_groupTableView = nullptr;
};
