// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace sw {

// "Only items older than N days", per junk category. An item's age is the
// newest modification time in it (a folder is as young as the youngest
// file it holds, so nothing changed lately goes with it); a Trash item's is
// the deletion date its info file records, and an item without a readable
// date counts as new. N = 0 takes everything, as no rule does.
class JunkAgeRules
{
public:
    // Days are kept within a century: enough for any rule, far from overflow.
    static constexpr int kMaxDays = 36500;

    // The rules the preferences switched on (ORPrefConfig's junk age keys).
    static JunkAgeRules fromSettings();
    // One rule for every category (the command line's --older-than).
    static JunkAgeRules everyCategory(int days);
    // What the preferences offer when the user switches a category's rule
    // on: a month for the Downloads folder and the Trash, where kept files
    // and second thoughts live; 0 (everything) for caches and the rest.
    static int offeredDays(qint64 groupID);

    // The category's days; 0 when it has no rule.
    int days(qint64 groupID) const;
    void setDays(qint64 groupID, int days);
    // The moment (seconds since the epoch) an item of the category must have
    // last changed before to count at nowSecs; nothing when it has no rule.
    std::optional<qint64> changedBefore(qint64 groupID, qint64 nowSecs) const;

private:
    QHash<qint64, int> m_days;
    int m_every = 0;
};

}  // namespace sw
