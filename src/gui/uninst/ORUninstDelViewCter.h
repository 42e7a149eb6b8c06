#pragma once

#include "RemovalPage.h"

class QPushButton;

namespace sw {
class RemovedItemList;
}

// Page 24, the uninstaller's removal page: removes what the result page left
// ticked when "delapps" arrives, then shows the bytes removed, each item that
// went (once, however many applications it was found for) and what stayed.
// What went to the Trash can be put back from there: "Open Trash" shows it
// whenever anything went there.
class ORUninstDelViewCter : public sw::RemovalPage
{
    Q_OBJECT
public:
    explicit ORUninstDelViewCter(ORBasedViewCterDelegate *delegate, QWidget *parent = nullptr);

    sw::RemovedItemList *groupTableView() const { return m_groupTableView; }
    QPushButton *openTrashBut() const { return m_openTrashBut; }
    // Opens trash:/// in the desktop's file manager.
    void openTrash();

private:
    sw::RemovedItemList *m_groupTableView = nullptr;
    QPushButton *m_openTrashBut = nullptr;
};
