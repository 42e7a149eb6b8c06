// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The junk cleaner's notification names.
namespace sw::junknote {
inline const QString kTitle = QStringLiteral("junktitle");  // the candidate looked at
inline const QString kSize = QStringLiteral("junksize");    // the running total found
inline const QString kShowGroup = QStringLiteral("getjunks");  // the item list's group
}  // namespace sw::junknote
