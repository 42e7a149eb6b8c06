// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

namespace sw {

// The model roles the row delegates (ORItemTableCellView, ORTableCellView,
// ORFolderTableCellView) read.
enum CellRole {
    IconRole = Qt::UserRole + 1, // QIcon
    NameRole,                    // QString
    PathRole,                    // QString
    SizeTextRole,                // QString, e.g. "12.34 MB"
    CheckImageRole,              // QString: or_select_all / _part / _off / _null
    CheckEnabledRole,            // bool
    DateTextRole,                // QString
    ExtraTextRole,               // QString
    NeedsAdminRole,              // bool: only an administrator may remove the item
    BadgeRole,                   // QString: a short label beside the name (where an application
                                 // comes from, whether an add-on is on)
    SectionRole,                 // bool: a heading over the items below it, not an item
    ReferenceRole,               // bool: a folder of originals; no value where the list offers no such toggle
};

} // namespace sw
