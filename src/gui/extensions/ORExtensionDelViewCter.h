#pragma once

#include "RemovalPage.h"

namespace sw {
class RemovedItemList;
}

// Page 31, the extensions removal page: removes the ticked add-ons when
// "deleteextensions" arrives, then shows the bytes removed, each add-on that
// went and what stayed.
class ORExtensionDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORExtensionDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    sw::RemovedItemList *groupTableView() const { return m_groupTableView; }

private:
    sw::RemovedItemList *m_groupTableView = nullptr;
};
