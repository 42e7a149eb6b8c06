// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The large-file finder's notification names ("bigszie" is the name the
// pages have always listened to).
namespace sw::bignote {
inline const QString kTitle = QStringLiteral("bigtitle");      // the path looked at
inline const QString kSize = QStringLiteral("bigszie");        // the running total found
inline const QString kShowGroup = QStringLiteral("bigget");    // the item list's group
inline const QString kDropFolders = QStringLiteral("dropbigfolderfile");  // paths dropped on the scan page
}  // namespace sw::bignote
