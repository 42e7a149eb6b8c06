#pragma once

#include "ORDupData.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// Which copy of a group the auto-select keeps; every other copy is marked.
//   Oldest        the earliest modification time, then the shortest path
//   Newest        the latest modification time, then the shortest path
//   ShortestPath  the shortest path (in characters), then the first found
//   FirstFound    the first copy in the group's order
enum class DupKeepRule { Oldest, Newest, ShortestPath, FirstFound };

namespace dupkeep {
// The rule when none was chosen: FirstFound in the macos layout, Oldest in
// the freedesktop layout.
DupKeepRule defaultRule();
// "oldest", "newest", "shortest-path", "first": the CLI's words and the
// settings store's values.
QString key(DupKeepRule rule);
std::optional<DupKeepRule> fromKey(const QString &key);
QStringList keys();
// The pop-up's text ("Oldest", "Newest", "Shortest path", "First found"), translated.
QString title(DupKeepRule rule);
// The index of the copy the rule keeps; -1 for an empty group.
qsizetype keptCopy(const ORDupDataGroup &group, DupKeepRule rule);
// The rule remembered in the settings store ("dupKeepRule"), or defaultRule().
DupKeepRule remembered();
void remember(DupKeepRule rule);
}  // namespace dupkeep

}  // namespace sw
