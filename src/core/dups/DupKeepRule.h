// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sw {

// Which copy of a group the auto-select keeps; every other copy is marked.
//   BestOriginal  the copy a person would keep (DupOriginal): outside
//                 Downloads, the Trash and temporary folders, without a copy
//                 mark in its name, the oldest, the deepest, the first found
//   Oldest        the earliest modification time, then the shortest path
//   Newest        the latest modification time, then the shortest path
//   ShortestPath  the shortest path (in characters), then the first found
//   FirstFound    the first copy in the group's order
enum class DupKeepRule { BestOriginal, Oldest, Newest, ShortestPath, FirstFound };

namespace dupkeep {
// The rule when none was chosen: FirstFound in the macos layout,
// BestOriginal in the freedesktop layout.
DupKeepRule defaultRule();
// "original", "oldest", "newest", "shortest-path", "first": the CLI's words
// and the settings store's values.
QString key(DupKeepRule rule);
std::optional<DupKeepRule> fromKey(const QString &key);
QStringList keys();
// Every rule, in the pop-up's order.
QList<DupKeepRule> rules();
// The pop-up's text ("Best original", "Oldest", ...), translated.
QString title(DupKeepRule rule);
// The rule remembered in the settings store ("dupKeepRule"), or defaultRule().
DupKeepRule remembered();
void remember(DupKeepRule rule);
}  // namespace dupkeep

}  // namespace sw
