#pragma once

#include "ORJunkData.h"

#include <QList>

#include <utility>

namespace sw {

class RemovalRun;

// The junk items only an administrator may remove (system caches and logs
// of other owners), collected while the user's own items go and then handed
// together to the administrator pass, so a removal asks for the password
// once. A folder item is emptied, as the user's own are, unless its
// category removes items whole. Each item's outcome is what the privileged
// helper removed; cancelling the password dialog leaves every item in place
// and says so.
class JunkAdminRemoval
{
public:
    // allowed false: marked items are reported as skipped instead.
    explicit JunkAdminRemoval(bool allowed) : m_allowed(allowed) {}

    void add(qint64 groupID, const ORjunkDataItem &item) { m_items.append({groupID, item}); }

    // Removes the collected items, adding one outcome per item to run.
    // Returns the items that went (wholly or partly) with the bytes removed
    // as their size, by group.
    QList<std::pair<qint64, ORjunkDataItem>> run(RemovalRun &run);

private:
    bool m_allowed;
    QList<std::pair<qint64, ORjunkDataItem>> m_items;
};

}  // namespace sw
