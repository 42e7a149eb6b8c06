// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// What the archive result page's two views read from their models' rows.
namespace sw::FileItemRole {
enum : int {
    Path = Qt::UserRole + 1,  // the item's full path
    IsDirectory,
};
}  // namespace sw::FileItemRole
