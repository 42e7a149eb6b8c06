// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The extensions manager's notification names.
namespace sw::extnote {
inline const QString kTitle = QStringLiteral("extensiontitle");       // the candidate looked at
inline const QString kShowGroup = QStringLiteral("getextensions");    // the item list's group
}  // namespace sw::extnote
