// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The duplicate finder's notification names.
namespace sw::dupnote {
inline const QString kTitle = QStringLiteral("dupicon");        // the path looked at
inline const QString kSize = QStringLiteral("duplicatesize");   // [bytes found, groups found]
inline const QString kShowGroup = QStringLiteral("dupget");     // the copy list's group
inline const QString kNoGroup = QStringLiteral("nodup");        // the copy list forgets its group
inline const QString kDropFolders = QStringLiteral("dropdupfolderfile");  // paths dropped on the scan page
}  // namespace sw::dupnote
